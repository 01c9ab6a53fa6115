// The server's SSL certificate on the client: a folder per system under the data folder,
// the certificate and its time stamp fetched from the server's file store, and the
// installation's batch file that adds it to the local certificate database.
#include <filesystem>
#include <system_error>

#include "filter_text.h"
#include "server_connection.h"
#include "user_folder.h"

namespace gate {
namespace fs = std::filesystem;
namespace {

constexpr const char* kServerCertificate = "d:\\tarvix\\ssl\\Vantora.cer";
constexpr const char* kCertificateName = "Vantora.cer";

std::string StampPathOf(const std::string& certificatePath) {
  return certificatePath.substr(0, certificatePath.size() - 4) + ".ts";
}

bool FileExists(const std::string& path) {
  std::error_code error;
  return fs::is_regular_file(HostPathOf(path), error);
}

void RemoveFile(const std::string& path) {
  std::error_code error;
  fs::remove(HostPathOf(path), error);
}

}  // namespace

int CServerConnection::GenerateCertificatePath(const std::string& systemName, int deleteOld, std::string& folder) {
  LogText("CServerConnection::GenerateCertificatePath -> creating cert path for " + systemName);
  if (!IsUsableSystemName(systemName)) {
    LogText("CServerConnection::GenerateCertificatePath -> the system name cannot name a folder: " + systemName);
    return 0;
  }
  const std::optional<std::string> key = services_.system.LoadText(kIdsDataKey);
  if (!key) return 0;
  const std::optional<std::string> dataDir = services_.system.ReadMachineValue(*key, "datadir");
  if (!dataDir) {
    LogText("CServerConnection::GenerateCertificatePath DataDir registry entry not found!");
    return 0;
  }
  folder = *dataDir + systemName;
  std::error_code error;
  fs::create_directory(HostPathOf(folder), error);
  if (error) {
    LogText("CServerConnection::GenerateCertificatePath -> Could not create directory: " + folder +
            ", rc = " + std::to_string(error.value()));
    return 0;
  }
  if (deleteOld) RemoveFile(folder + "\\" + kCertificateName);
  return 1;
}

int CServerConnection::GetCertificatePath(const std::string& systemName, std::string& path) {
  LogText("Retrieving SSL certificate path");
  std::string folder;
  if (!GenerateCertificatePath(systemName, 0, folder)) return 0;
  path = folder + "\\" + kCertificateName;
  return 1;
}

int CServerConnection::CheckCertificate(const std::string& systemName, int checkNewer) {
  LogText("Checking for SSL certificate");
  std::string path;
  if (!GetCertificatePath(systemName, path)) return 0;
  if (!FileExists(path)) {
    Fail("Certificate does not exist at " + path + ".");
  } else {
    LogText("Certificate exists at " + path + ".");
    if (!checkNewer || !IsNewerCertificate(systemName)) return 1;
  }
  if (!RetrieveSSLCertificate(systemName)) return 0;
  return InitSSL(systemName);
}

template <class Component>
bool CServerConnection::MakeFileTransfer(Created<Component>& made, const std::string& caller) {
  made = services_.components.MakeFileTransfer();
  if (made.how != Creation::Made) {
    errorCode_ = made.hr;
    LogText(caller + ", Failed to created file transfer object hr = 0x" + HexText(made.hr) + "\n");
    return false;
  }
  const HResult hr = made.component->Connect("", "", "vtfilexfer", "_VTAOSFile_", system_.Address);
  if (Failed(hr)) {
    errorCode_ = hr;
    LogAdminError(*made.component, caller);
    LogText(caller + " - file transfer client failed to connect to " + system_.Address + ", hr=" + HexText(hr) +
            "\n");
    return false;
  }
  return true;
}

int CServerConnection::IsNewerCertificate(const std::string& systemName) {
  std::string path;
  if (!GetCertificatePath(systemName, path)) return 0;
  bool same = false;
  Created<FileTransferComponent> made;
  if (MakeFileTransfer(made, "IsNewerCertificate")) {
    const HResult hr = made.component->CompareTimeStamp("", "", StampPathOf(path), kServerCertificate, same);
    if (Failed(hr)) {
      same = false;
      LogAdminError(*made.component, "CServerConnection::IsNewerCertificate");
    }
  }
  LogText("IsNewerCertificate, bSameTimeStamp = " + std::to_string(same ? 1 : 0));
  return same ? 0 : 1;
}

int CServerConnection::RetrieveSSLCertificate(const std::string& systemName) {
  LogText("Retrieving SSL certificate.");
  std::string path;
  if (!GetCertificatePath(systemName, path)) return 0;
  Created<FileTransferComponent> made;
  if (!MakeFileTransfer(made, "RetrieveSSLCertificate")) return 0;

  // The certificate arrives under a temporary name and replaces the old one only when it
  // is one: a failed or garbled fetch keeps what worked before.
  const std::string fetched = path + ".new";
  RemoveFile(fetched);
  HResult hr = made.component->ReceiveFile("", "", kServerCertificate, fetched);
  if (Failed(hr)) {
    errorCode_ = hr;
    LogAdminError(*made.component, "CServerConnection::RetrieveSSLCertificate");
    RemoveFile(fetched);
    return 0;
  }
  if (!services_.system.IsCertificateFile(fetched)) {
    RemoveFile(fetched);
    return Fail("SSL connection could not be established.");
  }
  LogText("Deleting any existing certificates for this server");
  std::error_code error;
  fs::rename(HostPathOf(fetched), HostPathOf(path), error);
  if (error) {
    RemoveFile(fetched);
    return Fail("SSL connection could not be established.");
  }
  LogText("RetrieveSSLCertificate, \n\t>> Sent: " + std::string(kServerCertificate) + " \n\t>> To: " + path);

  const std::string stamp = StampPathOf(path);
  hr = made.component->FetchTimeStamp("", "", stamp, kServerCertificate);
  if (Failed(hr)) {
    errorCode_ = hr;
    LogAdminError(*made.component, "CServerConnection::RetrieveSSLCertificate");
    return 0;
  }
  LogText("Retrieved Time Stamp File, \n\t>> Sent time stamp for: " + std::string(kServerCertificate) +
          " \n\t>> To: " + stamp);
  return 1;
}

int CServerConnection::InitSSL(const std::string& systemName) {
  const std::optional<std::string> key = services_.system.LoadText(kIdsDataKey);
  if (!key) {
    LogText("Failed to load IDS_DATA_KEY string");
    return 0;
  }
  const std::optional<std::string> binDir = services_.system.ReadMachineValue(*key, "bindir");
  if (!binDir) {
    LogText("CServerConnection::InitSSL BinDir registry entry not found!");
    return 0;
  }
  std::string folder;
  if (!GenerateCertificatePath(systemName, 0, folder)) return 0;
  const std::string quotedName = "\"" + systemName + "\"";
  const std::string quotedFolder = "\"" + folder + "\"";
  LogText("Adding server: " + quotedName + " to certificate dB (DB=" + *binDir + ", Cert = " + quotedFolder + ").");
  std::int32_t exitCode = 0;
  if (!services_.system.RunAndWait(*binDir + "install_cer.bat", {quotedName, ".", quotedFolder}, exitCode)) {
    return Fail("SSL connection could not be established.");
  }
  if (exitCode != 0) {
    LogText("install_cer.bat ended with exit code " + std::to_string(exitCode));
    return Fail("SSL connection could not be established.");
  }
  return 1;
}

}  // namespace gate
