// What an in-process designer of a test needs around it while it lives: an exit that does
// not end the test program, the built-in definitions and their strings, and a settings file
// of its own in the temporary folder (removed before and after).
#pragma once

#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "framework/softrec/kvdefstore.h"
#include "framework/softrec/kvdefstrings.h"
#include "shell/app/processexit.h"
#include "shell/settings/inifile.h"

class DesignerSurroundings {
public:
    explicit DesignerSurroundings(const std::string& settingsName)
        : m_profilePath(Removed(::testing::TempDir() + settingsName)), profile(m_profilePath)
    {
        SetShellExitHook([](int) {});
        KvSetDefinitionStore(&m_definitions);
        KvSetStringTable(&m_strings);
    }
    ~DesignerSurroundings()
    {
        std::remove(m_profilePath.c_str());
        KvSetStringTable(nullptr);
        KvSetDefinitionStore(nullptr);
        SetShellExitHook(nullptr);
    }
    DesignerSurroundings(const DesignerSurroundings&) = delete;
    DesignerSurroundings& operator=(const DesignerSurroundings&) = delete;

private:
    // The path, with no file there any more.
    static std::string Removed(const std::string& path)
    {
        std::remove(path.c_str());
        return path;
    }

    std::string m_profilePath;
    KvBuiltinDefinitionStore m_definitions;
    KvDefinitionStrings m_strings;

public:
    IniFileProfile profile;
};
