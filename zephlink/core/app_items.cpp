// Voice and fax items of an open application: records of its multimedia file.
#include <cstdio>
#include <filesystem>
#include <random>

#include "admin_client.h"
#include "entry_classes.h"
#include "flowsmith_app.h"
#include "item_seams.h"
#include "link_log.h"
#include "session.h"
#include "wire/zephwire.h"

namespace zlink {
namespace {
std::int16_t Wrap(int id) { return static_cast<std::int16_t>(static_cast<std::uint16_t>(id)); }
int RecordId(int itemId, int offset) { return static_cast<std::uint16_t>(itemId + offset); }
}  // namespace

int KvFlowsmithApp::manipulateItem(int operation, int itemId, int mediaType) {
    const std::string& file = serverProfile.misaFilePath;
    if (mediaType == 14) return KvAppMMFSRecord::Manipulate(operation, RecordId(itemId, 0), 14, file);
    if (operation == 25) {
        const int rc = KvAppMMFSRecord::Delete(RecordId(itemId, 20000), 14, file);
        return rc != 0 ? rc : KvAppMMFSRecord::New(RecordId(itemId, 20000), 14, file);
    }
    const int rc = KvAppMMFSRecord::Manipulate(operation, RecordId(itemId, 10000), 15, file);
    return rc != 0 ? rc : KvAppMMFSRecord::Manipulate(operation, RecordId(itemId, 20000), 14, file);
}

int KvFlowsmithApp::recordVoice(int itemId, int mediaType) {
    const Session& session = TheSession();
    const int recordId = mediaType == 15 ? RecordId(itemId, 20000) : RecordId(itemId, 0);
    log_message(2, "KvFlowsmithApp::recordVoice, itemID=%d, mediaType=%d, MMFSPath=%s, UserID=%s, ServerIP=%s.\n", itemId,
                mediaType, serverProfile.misaFilePath.c_str(), session.userId.c_str(), session.server.c_str());
    try {
        return CurrentItemSeams().recordVoice(Wrap(recordId), static_cast<std::int16_t>(mediaType),
                                              serverProfile.misaFilePath.c_str(), session.server.c_str(),
                                              session.userId.c_str(), session.encodedPassword.c_str(),
                                              session.smtpAddress.c_str());
    } catch (...) {
        log_message(1, "Zephtone_RecordVoice threw an exception.\n");
        return 60;
    }
}

int KvFlowsmithApp::importItem(int operation, int itemId, int mediaType, const std::string& sourceFile) {
    // A name of its own in the system's temporary folder (processes run side by side).
    namespace fs = std::filesystem;
    static std::mt19937_64 random{std::random_device{}()};
    std::error_code error;
    fs::path temporary;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = fs::temp_directory_path(error) / ("VoiceItem" + std::to_string(random() % 100000000000ull) + ".tmp");
        if (!fs::exists(temporary, error)) break;
    }
    const std::string temp = temporary.string();
    int rc = 0;
    int recordId = RecordId(itemId, 0);
    int type = mediaType;
    if (operation == 22) {
        const int converted = CurrentItemSeams().wavToVoice(sourceFile.c_str(), temp.c_str(), 2, 0, 0xC0320000u, 1);
        if (converted != 0) {
            rc = converted == 43875 ? 71 : 57;
        } else if (mediaType == 15) {
            recordId = RecordId(itemId, 20000);
            type = 14;
        }
    } else {
        const int converted = CurrentItemSeams().tiffToFax(sourceFile.c_str(), temp.c_str(), 1);
        if (converted != 0)
            rc = converted >= 43828 && converted <= 43841 ? 71 : 57;
        else
            recordId = RecordId(itemId, 10000);
    }
    if (rc == 0) rc = Admin().SendMMFSRecord(temp.c_str(), serverProfile.misaFilePath.c_str(), type, recordId);
    fs::remove(temporary, error);
    return rc;
}

int KvFlowsmithApp::cutCopyPasteItem(int operation, const KvItemRecord& source, int targetCustomerId,
                                     int targetApplicationId, const KvItemRecord& target) {
    KvFlowsmithApp* other = find(targetCustomerId, targetApplicationId);
    if (!other) return 48;
    const std::string& sourceFile = serverProfile.misaFilePath;
    const std::string& targetFile = other->serverProfile.misaFilePath;
    if (source.mediaType == 14)
        return KvAppMMFSRecord::Modify(operation, sourceFile, targetFile, RecordId(source.itemId, 0),
                                       RecordId(target.itemId, 0), 14);
    if (source.mediaType == 15) {
        const int rc = KvAppMMFSRecord::Modify(operation, sourceFile, targetFile, RecordId(source.itemId, 10000),
                                               RecordId(target.itemId, 10000), 15);
        return rc != 0 ? rc
                       : KvAppMMFSRecord::Modify(operation, sourceFile, targetFile, RecordId(source.itemId, 20000),
                                                 RecordId(target.itemId, 20000), 14);
    }
    return 0;
}

}  // namespace zlink
