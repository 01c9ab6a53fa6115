// Auto-save: while applications are open, timer 7 of the main frame periodically writes
// the active application's program to its local program file. The server copy is only
// ever updated by an explicit save; a tick leaves the program marked modified.
#pragma once

#include <cstdint>

class SettingsProfile;

inline constexpr unsigned kAutoSaveTimerId = 7;

// The document operations a tick needs from the active application.
class KvAutoSaveDocument {
public:
    virtual ~KvAutoSaveDocument() = default;
    virtual int IsModified() = 0;
    // Writes the program to the local program file, without build or server transfer.
    virtual int SaveLocal() = 0;
    virtual void SetModified() = 0;
};

// What auto-save needs of the workspace and the main frame.
class KvAutoSaveHost {
public:
    virtual ~KvAutoSaveHost() = default;
    // The active application, or null.
    virtual KvAutoSaveDocument* ActiveDocument() = 0;
    virtual int OpenApplicationCount() = 0;
    // Sets (or restarts) and kills a timer of the main frame's window.
    virtual void SetTimer(unsigned id, std::uint32_t periodMs) = 0;
    virtual void KillTimer(unsigned id) = 0;
    virtual void UpdateCommandStates() = 0;
    // Runs the options record (definition 22809) in its dialog; its values are written back
    // whichever way the dialog closed.
    virtual void EditOptions(bool& enabled, std::int32_t& minutes) = 0;
};

class KvAutoSave {
public:
    KvAutoSave(SettingsProfile& settings, KvAutoSaveHost& host) : m_settings(settings), m_host(host) {}

    // After a program file was opened: when enabled, (re)starts the timer.
    void Start();
    // A tick of timer 7: 0, or -1 when no application is active.
    int OnTimer();
    // After an application was closed: stops the timer once none is open.
    void Stop();
    // Options > Auto Save Options; 0.
    int EditOptions();

private:
    SettingsProfile& m_settings;
    KvAutoSaveHost& m_host;
};
