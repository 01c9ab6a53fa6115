#include "shell/autosave/autosave.h"

#include "shell/autosave/autosavesettings.h"

void KvAutoSave::Start()
{
    const KvAutoSaveSettings settings = KvReadAutoSaveSettings(m_settings);
    if (settings.enabled)
        m_host.SetTimer(kAutoSaveTimerId, KvAutoSavePeriodMs(settings.minutes));
}

int KvAutoSave::OnTimer()
{
    KvAutoSaveDocument* document = m_host.ActiveDocument();
    if (document == nullptr)
        return -1;
    if (document->IsModified()) {
        document->SaveLocal();
        // The server has not seen these changes: the program still counts as unsaved.
        document->SetModified();
    }
    m_host.UpdateCommandStates();
    return 0;
}

void KvAutoSave::Stop()
{
    if (m_host.OpenApplicationCount() == 0)
        m_host.KillTimer(kAutoSaveTimerId);
}

int KvAutoSave::EditOptions()
{
    KvAutoSaveSettings settings = KvReadAutoSaveSettings(m_settings);
    const bool wasEnabled = settings.enabled;
    m_host.EditOptions(settings.enabled, settings.minutes);
    KvWriteAutoSaveSettings(m_settings, settings);
    if (settings.enabled) {
        if (m_host.OpenApplicationCount() > 0)
            m_host.SetTimer(kAutoSaveTimerId, KvAutoSavePeriodMs(settings.minutes));
    } else if (wasEnabled) {
        m_host.KillTimer(kAutoSaveTimerId);
    }
    m_host.UpdateCommandStates();
    return 0;
}
