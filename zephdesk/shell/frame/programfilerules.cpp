#include "shell/frame/programfilerules.h"

namespace {

std::size_t FolderEnd(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/:");
    return slash == std::string::npos ? 0 : slash + 1;
}

}  // namespace

std::string RunFilePath(const std::string& programPath) {
    const std::size_t dot = programPath.find_last_of('.');
    const bool hasExtension = dot != std::string::npos && dot >= FolderEnd(programPath);
    return (hasExtension ? programPath.substr(0, dot) : programPath) + ".run";
}

bool IsRunFileOlder(std::optional<std::int64_t> runTime, std::optional<std::int64_t> programTime) {
    if (!programTime) return false;
    return !runTime || *runTime < *programTime;
}

std::string DocumentationAddress(const std::string& serverName) {
    const std::size_t blank = serverName.find(' ');
    const std::string host = blank == std::string::npos ? std::string() : serverName.substr(0, blank);
    return "http://" + (host.empty() ? std::string("localhost") : host) + kDocumentationPath;
}

std::string ProgramFolder(const char* vlxVariable) {
    return std::string(vlxVariable ? vlxVariable : "\\VLX") + "\\UPROG";
}

std::string TutorialPath(const std::string& helpFolder) {
    return helpFolder.substr(0, FolderEnd(helpFolder)) + "fstutor.EXE";
}

QualifiedName SplitQualifiedName(const std::string& name) {
    const std::size_t dollar = name.rfind('$');
    if (dollar == std::string::npos) return {"Main", name};
    return {name.substr(0, dollar), name.substr(dollar + 1)};
}
