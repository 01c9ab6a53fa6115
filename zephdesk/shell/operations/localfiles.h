// The files of an application in the program folder: the program file, its .BAK and the
// build outputs (.tsl, .run, .rll), all with the application's name.
#pragma once

#include <string>
#include <vector>

// The program folder with its trailing separator (empty when the registry names none).
std::string KvProgramFolder();
// The files of the folder whose name without extension is name (any letter case).
std::vector<std::string> KvFilesOfName(const std::string& folder, const std::string& name);

// Sets aside the files of a name while a save as writes under it: Restore removes what
// was written since and brings the earlier files back; Commit lets the new files stand.
class KvLocalFilesGuard {
public:
    KvLocalFilesGuard(std::string folder, std::string name);
    ~KvLocalFilesGuard();
    KvLocalFilesGuard(const KvLocalFilesGuard&) = delete;
    KvLocalFilesGuard& operator=(const KvLocalFilesGuard&) = delete;
    void Restore();
    void Commit();

private:
    std::string m_folder;
    std::string m_name;
    std::string m_aside;
    std::vector<std::string> m_kept;  // file names set aside
    bool m_done = false;
};
