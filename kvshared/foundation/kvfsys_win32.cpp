// Files by the rules of the Windows file system.
#include "foundation/kvfsys.h"

#include <windows.h>

namespace {

constexpr DWORD kNotOrdinary = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

class Win32Listing : public KvFileListing {
public:
    explicit Win32Listing(const char* folder)
    {
        std::string pattern = folder != nullptr ? folder : "";
        if (!pattern.empty() && pattern.back() != '\\' && pattern.back() != '/')
            pattern += '\\';
        pattern += '*';
        m_handle = FindFirstFileA(pattern.c_str(), &m_data);
        m_pending = m_handle != INVALID_HANDLE_VALUE;
    }
    ~Win32Listing() override
    {
        if (m_handle != INVALID_HANDLE_VALUE)
            FindClose(m_handle);
    }

    bool Next(std::string& name) override
    {
        while (m_pending) {
            const bool ordinary = (m_data.dwFileAttributes & kNotOrdinary) == 0;
            const std::string found = m_data.cFileName;
            m_pending = FindNextFileA(m_handle, &m_data) != 0;
            if (ordinary) {
                name = found;
                return true;
            }
        }
        return false;
    }

private:
    HANDLE m_handle = INVALID_HANDLE_VALUE;
    WIN32_FIND_DATAA m_data{};
    bool m_pending = false;
};

class KvWin32FileSystem : public KvFileSystem {
public:
    bool SetCurrentDir(const char* path) override { return SetCurrentDirectoryA(path) != 0; }

    std::unique_ptr<KvFileListing> List(const char* folder) override { return std::make_unique<Win32Listing>(folder); }

    bool IsFile(const char* path) override
    {
        const DWORD attributes = GetFileAttributesA(path);
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & kNotOrdinary) == 0;
    }

    bool CreateNew(const char* path) override
    {
        HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return false;
        CloseHandle(file);
        return true;
    }

    bool CopyNew(const char* from, const char* to) override { return CopyFileA(from, to, TRUE) != 0; }

    bool Remove(const char* path) override { return DeleteFileA(path) != 0; }

    std::FILE* Open(const char* path, const char* mode) override { return std::fopen(path, mode); }
};

}  // namespace

KvFileSystem& KvPlatformFileSystem()
{
    static KvWin32FileSystem fileSystem;
    return fileSystem;
}
