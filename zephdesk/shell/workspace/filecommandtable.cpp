#include "shell/workspace/filecommandtable.h"

#include "shell/workspace/kvwinapp.h"

namespace {

struct FileCommand {
    UINT id;
    int (*run)(KvWinApp& workspace);
};

const FileCommand kFileCommands[] = {
    {4128, [](KvWinApp& w) { return w.NewApplication(); }},
    {4129, [](KvWinApp& w) { return w.OpenApplication(nullptr); }},
    {4130, [](KvWinApp& w) { return w.SaveApplication(); }},
    {4131, [](KvWinApp& w) { return w.SaveApplicationAs(); }},
    {4203, [](KvWinApp& w) { return w.ExportApplication(); }},
    {4229, [](KvWinApp& w) { return w.UndoExport(); }},
    {101, [](KvWinApp& w) { return w.ImportApplication(); }},
    {4228, [](KvWinApp& w) { return w.RemoveImport(); }},
    {4230, [](KvWinApp& w) { return w.DeleteApplication(); }},
    {4231, [](KvWinApp& w) { return w.ShowLocks(); }},
    {4232, [](KvWinApp& w) { return w.EditProperties(); }},
};

}  // namespace

bool KvRunFileCommand(KvWinApp& workspace, UINT id)
{
    for (const FileCommand& command : kFileCommands) {
        if (command.id == id) {
            // Each worker reports its own failures; the frame needs no answer.
            command.run(workspace);
            return true;
        }
    }
    return false;
}
