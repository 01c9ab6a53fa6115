#include "shell/batch/batchline.h"

#include <cctype>
#include <cstddef>
#include <sstream>

namespace {

enum class Switch { Build, Input, Load, NoExit, Output, Resave, Targets, VoiceNoError };

struct SwitchWord {
    const char* word;
    Switch which;
    bool setsBatchMode;
};

const SwitchWord kSwitches[] = {
    {"build", Switch::Build, true},
    {"input", Switch::Input, true},
    {"load", Switch::Load, true},
    {"no_exit", Switch::NoExit, true},
    {"output", Switch::Output, true},
    {"resave", Switch::Resave, false},
    {"targets", Switch::Targets, true},
    {"voice_noerror", Switch::VoiceNoError, false},
};

std::string Lower(std::string text)
{
    for (char& c : text)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The switch letter must match exactly; the rest of the word in any case.
const SwitchWord* FindSwitch(const std::string& word)
{
    for (const SwitchWord& entry : kSwitches) {
        const std::string name = entry.word;
        if (word.size() != name.size() || word[0] != name[0])
            continue;
        if (Lower(word.substr(1)) == name.substr(1))
            return &entry;
    }
    return nullptr;
}

}  // namespace

BatchOptions ParseOptionWords(const std::string& text)
{
    BatchOptions options;
    std::istringstream words(Lower(text));
    std::string word;
    while (words >> word) {
        if (word == "log_trace")
            options.logToTrace = true;
        else if (word == "use_templates")
            options.useTemplates = true;
        else if (word == "use_stubs")
            options.useStubs = true;
        else if (word == "rll")
            options.libraryTarget = true;
        else if (word == "unconditional")
            options.unconditional = true;
    }
    return options;
}

std::string StripLineEnd(const std::string& text)
{
    std::string out = text;
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r'))
        out.pop_back();
    return out;
}

std::string TrimBatchValue(const std::string& value)
{
    std::size_t first = 0;
    while (first < value.size() && IsBlank(value[first]))
        ++first;
    std::size_t last = value.size();
    while (last > first && IsBlank(value[last - 1]))
        --last;
    return value.substr(first, last - first);
}

BatchLine ParseBatchLine(const std::string& rawLine)
{
    BatchLine result;
    const std::string line = StripLineEnd(rawLine);
    std::size_t at = line.find('/');
    if (at == std::string::npos) {
        result.valid = TrimBatchValue(line).empty();
        return result;
    }
    while (at != std::string::npos) {
        std::size_t wordEnd = at + 1;
        while (wordEnd < line.size() && !IsBlank(line[wordEnd]) && line[wordEnd] != '/')
            ++wordEnd;
        const std::string word = line.substr(at + 1, wordEnd - at - 1);
        std::size_t valueStart = wordEnd;
        while (valueStart < line.size() && IsBlank(line[valueStart]))
            ++valueStart;
        const std::size_t next = line.find('/', valueStart);
        const std::string value =
            line.substr(valueStart, (next == std::string::npos ? line.size() : next) - valueStart);
        at = next;

        if (!word.empty() && (word[0] == 'f' || word[0] == 's'))
            continue;
        const SwitchWord* entry = word.empty() ? nullptr : FindSwitch(word);
        if (entry == nullptr) {
            if (result.valid)
                result.badWord = "/" + word;
            result.valid = false;
            continue;
        }
        result.batchMode = result.batchMode || entry->setsBatchMode;
        switch (entry->which) {
        case Switch::Build: result.hasBuild = true; result.build = value; break;
        case Switch::Input: result.hasInput = true; result.input = value; break;
        case Switch::Load: result.hasLoad = true; result.load = value; break;
        case Switch::NoExit: result.noExit = true; break;
        case Switch::Output: result.hasOutput = true; result.output = value; break;
        case Switch::Resave: result.hasResave = true; result.resave = value; break;
        case Switch::Targets:
            result.hasTargets = true;
            result.options = ParseOptionWords(value);
            break;
        case Switch::VoiceNoError: result.voiceNoError = true; break;
        }
    }
    return result;
}
