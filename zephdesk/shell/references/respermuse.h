// Restriction/permission lists and languages that an application's blocks name: the
// blocks whose list or language the server no longer offers, reported by name (at most
// ten, then "<more blocks>"), and the request of used lists sent to the server.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ed {
class Program;
}

// ThruDial blocks name a restriction/permission list (0: none); SetLanguage blocks name a
// system prompting language (-1: none).
inline constexpr int kThruDialType = 405;
inline constexpr int kSetLanguageType = 403;

struct BlockReference {
    std::string name;
    int type = 0;
    std::int32_t value = 0;  // the list or language the block names
};
using ReferencePage = std::vector<BlockReference>;

// The names of the blocks of type that name a value other than none for which
// isMissing answers true, one a line, at most ten and then "<more blocks>\n".
std::string KvCollectMissing(const std::vector<ReferencePage>& pages, int type, std::int32_t none,
                             bool (*isMissing)(std::int32_t value, void* context), void* context);

// The ThruDial and SetLanguage blocks of a program with the value their parameters name.
std::vector<ReferencePage> KvDescribeReferences(ed::Program& program);
