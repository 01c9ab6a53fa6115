// The file operations behind the install folders, through a replaceable file system:
// the Windows one, or a portable one built on std::filesystem. Paths are in Windows
// form ("C:\folder\name"); the portable one maps drive letters to folders of its own.
#pragma once

#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

// One listing of the ordinary files of a folder (no folders, hidden or system files).
class KvFileListing {
public:
    virtual ~KvFileListing() = default;
    // The next file name (without folder); false at the end.
    virtual bool Next(std::string& name) = 0;
};

class KvFileSystem {
public:
    virtual ~KvFileSystem() = default;

    virtual bool SetCurrentDir(const char* path) = 0;
    // Lists folder; an empty listing when the folder cannot be read.
    virtual std::unique_ptr<KvFileListing> List(const char* folder) = 0;
    // True when path names an ordinary file.
    virtual bool IsFile(const char* path) = 0;
    // Creates an empty file; false when it exists already or cannot be made.
    virtual bool CreateNew(const char* path) = 0;
    // Copies a file; false when the target exists already or the copy fails.
    virtual bool CopyNew(const char* from, const char* to) = 0;
    virtual bool Remove(const char* path) = 0;
    // Opens a file with a C library mode; null on failure.
    virtual std::FILE* Open(const char* path, const char* mode) = 0;
};

// std::filesystem underneath. Names match without regard to case, as on Windows.
class KvPortableFileSystem : public KvFileSystem {
public:
    // Paths on drive letter (e.g. 'C') lead into root.
    void MapDrive(char letter, const std::filesystem::path& root);

    bool SetCurrentDir(const char* path) override;
    std::unique_ptr<KvFileListing> List(const char* folder) override;
    bool IsFile(const char* path) override;
    bool CreateNew(const char* path) override;
    bool CopyNew(const char* from, const char* to) override;
    bool Remove(const char* path) override;
    std::FILE* Open(const char* path, const char* mode) override;

    // The host path for a Windows-form path, following existing names without regard to
    // case; false when the path leads nowhere (an unmapped drive off Windows).
    bool Translate(const char* path, std::filesystem::path& out) const;

private:
    std::map<char, std::filesystem::path> m_drives;
};

// The current file system; the platform's own until one is set.
KvFileSystem& KvGetFileSystem();
// Makes fileSystem current (not owned); null restores the platform's own.
void KvSetFileSystem(KvFileSystem* fileSystem);
// The Windows file system on Windows; a KvPortableFileSystem elsewhere.
KvFileSystem& KvPlatformFileSystem();
