// The choice lists of the combo fields: display texts and, at the same positions, the
// values that the script writes for them.
#include "scribe/choicelists.h"

#include <deque>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace scribe {
namespace {

struct ListText {
  int id;
  const char* texts;   // display texts separated by "|"
  const char* values;  // stored values in the same order
};

constexpr ListText kLists[] = {
    {1, "Error|Hung Up|Tone|Stopped|Silence|Pattern|Call Progress|User Event|Timer",
     "EVENT_ERROR|EVENT_HUNGUP|EVENT_TONE|EVENT_STOPPED|EVENT_SILENCE|EVENT_PATTERN|EVENT_PCPM|"
     "EVENT_USER|EVENT_TIMER"},
    {5, "NONE_SELECTED|CP_DTMFDETECT|CP_DTMFDELAY|CP_SILENCEDLY|CP_NOANSWERRINGS|"
        "CP_CALLPROGDLY|CP_ABTIMEOUT|CP_LCVALID|CP_LCWAIT|CP_CABTIMEOUT|CP_BUSYCYCLES|CP_GLITCH|"
        "CP_SPIKE|CP_NUMRINGS|CP_SILENCE|CP_LOOPFLAG|CP_RECORDBEEP|CP_DTMFSTART|CP_DTMFTIMEOUT|"
        "CP_SOUND|CP_GAIN|CP_RATE",
     "NONE_SELECTED|CP_DTMFDETECT|CP_DTMFDELAY|CP_SILENCEDLY|CP_NOANSWERRINGS|"
     "CP_CALLPROGDLY|CP_ABTIMEOUT|CP_LCVALID|CP_LCWAIT|CP_CABTIMEOUT|CP_BUSYCYCLES|CP_GLITCH|"
     "CP_SPIKE|CP_NUMRINGS|CP_SILENCE|CP_LOOPFLAG|CP_RECORDBEEP|CP_DTMFSTART|CP_DTMFTIMEOUT|"
     "CP_SOUND|CP_GAIN|CP_RATE"},
    {6, "NONE_SELECTED|FP_RESOLUTION|FP_HEADER|FP_STATIONID|FP_RETRIES|FP_RETRYDELAY|"
        "FP_PRIORITY|FP_BAUDRATE|FP_ECM|FP_T1TIMEOUT|FP_CEDDELAY",
     "NONE_SELECTED|FP_RESOLUTION|FP_HEADER|FP_STATIONID|FP_RETRIES|FP_RETRYDELAY|"
     "FP_PRIORITY|FP_BAUDRATE|FP_ECM|FP_T1TIMEOUT|FP_CEDDELAY"},
    {7, "cSCSM_All|cSCSM_Null|cSCSM_Unread|cSCSM_Read|cSCSM_Urgent|cSCSM_Unsent|cSCSM_Voice|"
        "cSCSM_Fax|cSCSM_Text|cSCSM_Deleted",
     "cSCSM_All|cSCSM_Null|cSCSM_Unread|cSCSM_Read|cSCSM_Urgent|cSCSM_Unsent|cSCSM_Voice|"
     "cSCSM_Fax|cSCSM_Text|cSCSM_Deleted"},
    {8, "To List|From List|Distribution List|Copy List", "cADL_To|cADL_From|cADL_Dist|cADL_Copy"},
    {9, "Read Only|Read/Write|Create|Append|Exclusive", "R_READ|R_RDWR|R_CREATE|R_APPEND|R_EXCLUSIVE"},
    {10, "English|French|German|Spanish|Italian|Dutch|Portuguese|Swedish|Japanese|Chinese",
     "1|2|3|4|5|6|7|8|9|10"},
    {11, "Default|ADPCM 24 kbit/s|ADPCM 32 kbit/s|PCM mu-Law|PCM A-Law|Linear 8 bit|"
         "Linear 16 bit|Wave File",
     "DEF|AD24|AD32|ULAW|ALAW|LIN8|LIN16|WAV"},
    {12, "None|Range of Numbers|Database|User Function", "V_NONE|V_RANGE|V_DB|V_ROUTINE"},
    {13, "Confidence Threshold|Minimum Confidence|Barge In|Beep Before|Cut Through|"
         "Maximum Speech Time|Initial Silence",
     "VRP_CONFTHRESH|VRP_MINCONF|VRP_BARGEIN|VRP_BEEP|VRP_CUTTHROUGH|VRP_MAXSPEECH|"
     "VRP_INITSIL"},
    {14, "Any|Voice|Fax|Text|Attachment|Name|Greeting", "0|1|2|3|4|5|6"},
    {15, "None|Standard Cover|Brief Cover|Custom Cover", "0|1|2|3"},
    {16, "Fax Item|Fax Document|Voice Item|Mailbox Message|Text File",
     "FS_ITEM|FS_DOC|FS_VOICE|FS_MESSAGE|FS_TEXT"},
    {17, "Welcome|Goodbye|Please Hold|Invalid Entry|Please Try Again|Thank You for Calling|"
         "Office Closed|All Agents Busy",
     "1001|1002|1003|1004|1005|1006|1007|1008"},
    {18, "None|Internal Only|Local Calls|National Calls|International Calls",
     "RL_NONE|RL_INTERNAL|RL_LOCAL|RL_NATIONAL|RL_INTERNATIONAL"},
    {19, "Sunday|Monday|Tuesday|Wednesday|Thursday|Friday|Saturday", "1|2|3|4|5|6|7"},
    {20, "January|February|March|April|May|June|July|August|September|October|November|December",
     "1|2|3|4|5|6|7|8|9|10|11|12"},
    {21, "No|Yes", "0|1"},
    {22, "Off|On", "0|1"},
    {23, "Loudest|Normal|Quietest", "GAIN_LOUDEST|GAIN_NORMAL|GAIN_QUIETEST"},
    {24, "Fastest|Normal|Slowest", "RATE_FASTEST|RATE_NORMAL|RATE_SLOWEST"},
    {25, "Read|Write|Append", "FILEMODE_R|FILEMODE_W|FILEMODE_A"},
    {26, "Create|Append", "R_CREATE|R_APPEND"},
    {27, "Wait Forever|Do Not Wait", "TO_INDEFINITE|TO_NOWAIT"},
    {28, "No Keys|All Keys|All Keys and Save|Key 0|Key 1|Key 2|Key 3|Key 4|Key 5|Key 6|Key 7|"
         "Key 8|Key 9|Key *|Key #|Key A|Key B|Key C|Key D",
     "DS_NONE|DS_ALL|DS_ALLSAVE|DS_0|DS_1|DS_2|DS_3|DS_4|DS_5|DS_6|DS_7|DS_8|DS_9|DS_STAR|"
     "DS_POUND|DS_A|DS_B|DS_C|DS_D"},
    {29, "Normal|Fine", "0|1"},
    {30, "2400|4800|7200|9600|12000|14400", "2400|4800|7200|9600|12000|14400"},
    {31, "110|300|1200|2400|4800|9600|19200|38400|57600|115200",
     "110|300|1200|2400|4800|9600|19200|38400|57600|115200"},
    {32, "None|Odd|Even|Mark|Space", "0|1|2|3|4"},
    {33, "Low|Normal|High|Urgent", "1|5|8|9"},
    {34, "Voice|Fax|Text|Voice and Fax", "1|2|3|4"},
    {35, "Bytes|Milliseconds", "0|1"},
    {36, "Start of File|Current Position|End of File", "0|1|2"},
    {37, "Start of File|At Offset|End of File", "0|1|2"},
    {38, "Beginning|Middle|End", "0|1|2"},
    {39, "Last Name|First Name|Either Name", "0|1|2"},
    {40, "Dial by Number|Dial by Name|Dial by Number or Name", "0|1|2"},
    {41, "Play System Greeting|Play Custom File|No Greeting", "0|1|2"},
    {42, "Custom Voice File|System Prompt", "0|1"},
    {43, "Primary|Alternate|Busy|No Answer", "0|1|2|3"},
    {44, "Local|AMIS|Enterprise Network|Digital Network|Phone", "1|2|3|4|5"},
    {45, "Mailbox|Distribution List|Broadcast|Phone Number", "1|2|3|4"},
    {46, "Touch Tone|Rotary|Speech", "0|1|2"},
    {47, "Blind|Supervised|Announced", "0|1|2"},
    {48, "Busy|No Answer|Always|Never", "1|2|3|0"},
    {49, "Normal|Private|Confidential", "0|1|2"},
    {50, "Not Acknowledged|Acknowledge on Read|Acknowledge on Delivery", "0|1|2"},
    {51, "DN|Mailbox Number", "cADR_DN|cADR_Mailbox"},
    {52, "Information|Warning|Error|Critical", "1|2|3|4"},
    {53, "Application|System|Security", "1|2|3"},
    {54, "OK|OK Cancel|Yes No|Yes No Cancel", "0|1|4|3"},
    {55, "12 Hour|24 Hour", "12|24"},
    {56, "Local Time|Universal Time", "0|1"},
    {57, "Inside|Outside", "0|1"},
    {58, "Once|Daily|Weekly|Monthly", "0|1|2|3"},
    {59, "Ascending|Descending", "0|1"},
    {60, "Oldest First|Newest First", "0|1"},
    {61, "All Messages|New Messages|Saved Messages", "0|1|2"},
    {62, "Header Only|Header and Body", "0|1"},
    {63, "Any Line|Line 1|Line 2|Line 3|Line 4", "0|1|2|3|4"},
    {64, "Loop Start|Ground Start|E and M|ISDN", "0|1|2|3"},
    {65, "Short Tone|Long Tone|Double Tone|No Tone", "1|2|3|0"},
    {66, "350 Hz|440 Hz|480 Hz|620 Hz|1000 Hz|1400 Hz|2100 Hz",
     "350|440|480|620|1000|1400|2100"},
    {67, "Continuous|Interrupted|Cadenced", "0|1|2"},
    {68, "Fixed Length|Terminated by #|Either", "0|1|2"},
    {69, "Digits Only|Letters and Digits|Any Character", "0|1|2"},
};

struct BuiltList {
  std::vector<const char*> texts;
  std::vector<const char*> values;
};

std::deque<std::string>& Storage() {
  static std::deque<std::string> storage;
  return storage;
}

std::vector<const char*> SplitToList(std::string_view text) {
  std::vector<const char*> list;
  std::size_t start = 0;
  for (;;) {
    std::size_t pos = text.find('|', start);
    Storage().emplace_back(text.substr(start, pos == text.npos ? text.npos : pos - start));
    list.push_back(Storage().back().c_str());
    if (pos == text.npos) break;
    start = pos + 1;
  }
  list.push_back(nullptr);
  return list;
}

const std::map<int, BuiltList>& Lists() {
  static const std::map<int, BuiltList> lists = [] {
    std::map<int, BuiltList> built;
    for (const ListText& l : kLists) {
      built[l.id] = BuiltList{SplitToList(l.texts), SplitToList(l.values)};
    }
    return built;
  }();
  return lists;
}

}  // namespace

bool IsChoiceListId(int id) { return id == 1 || (id >= 5 && id <= 69); }

const char* const* ChoiceListTexts(int id) {
  auto it = Lists().find(id);
  return it != Lists().end() ? it->second.texts.data() : nullptr;
}

const char* const* ChoiceListValues(int id) {
  auto it = Lists().find(id);
  return it != Lists().end() ? it->second.values.data() : nullptr;
}

}  // namespace scribe
