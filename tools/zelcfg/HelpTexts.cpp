#include "HelpTexts.h"

namespace {

const char* const kCommon =
    R"(  --settings FILE.Ini  the settings file (counts, name length, lists, link settings);
                       default: ZEL308Tools.Ini beside the program, or the
                       editor's copy in ~/.config/ZEL308Tools for an installed one
  --help               this text
)";

const char* const kLink = R"(  --port PORT          a device path (/dev/ttyUSB0), or a port number resolved
                       through section "PortNames" of the settings file as the
                       editor resolves it (COMn there, else /dev/ttyS(n-1));
                       default: "Port" of section "Comm"
  --quiet              no progress on standard error
  --verbose            the link's messages and log lines on standard error
)";

struct Help
{
    const char* command;
    const char* text;
    bool link;
};

const Help kHelp[] = {
    {"show", R"(usage: zelcfg show [--json] FILE

Prints a data file (.DAT), a configuration file (.CNS) or a group file (.CNG),
one field per line: NAME = VALUE. Names carry their part and position, e.g.
InputName(1,3) or LayerAssign(B,4); texts are quoted without their padding; a
list position is followed by the text of its entry in the settings' list.

options:
  --json               one JSON document instead (schema in the README)
)",
     false},
    {"diff", R"(usage: zelcfg diff A B

Prints the fields whose values differ, "- " the line of A and "+ " the line of
B. Exit status 0 when equal, 1 when different, 2 when a file cannot be read.

options:
)",
     false},
    {"edit", R"(usage: zelcfg edit [--output OUT.DAT] FILE.DAT FIELD=VALUE ...

Changes fields by the names show prints, with the editor's rules: name
characters and lengths, fields the settings leave unused, one-of-N groups,
flags, GPIO codes, list positions (or the text of an entry) within the lists of
the settings file, source codes (or the name of a signal). A quoted VALUE is
read with the escapes show prints. The file is replaced in one step; when one
value is refused, nothing is written.

options:
  --output OUT.DAT     write the result there instead
)",
     false},
    {"payload", R"(usage: zelcfg payload FILE.DAT

Prints the hex payload of the "85" frame the editor sends for the data set
(blank signal names replaced as the editor does before sending).

options:
)",
     false},
    {"fetch", R"(usage: zelcfg fetch [options] WHAT [OUT]

Asks the device with the editor's frames, checksums and time-outs:
  dataset OUT.DAT      the data set, written as a data file
  status [OUT.txt]     the six status texts, one per line (standard output
                       without OUT)
  record N OUT.CNS     configuration record N (1 to 8)
  group OUT.CNG        all eight records
Files are replaced in one step, only when everything arrived. The device has
no request for its control unit version; send it with "send version".

options:
)",
     true},
    {"send", R"(usage: zelcfg send [options] WHAT IN

Sends to the device with the editor's frames, checksums and time-outs:
  dataset IN.DAT       the data set; the device's "86" must repeat the checksum
  status IN.txt        six status texts, one per line
  version DIGITS       the control unit version, one to four digits
  record N IN.CNS      configuration record N (1 to 8)
  group IN.CNG         all eight records, each answered by "86"

options:
)",
     true},
};

} // namespace

QString ProgramHelp()
{
    return QStringLiteral(R"(usage: zelcfg COMMAND [options] ...

The configuration data set of the ZEL308, ZEL312s, MOR304m and MOR308m from the
command line, with the editor's files, rules and link.

  show FILE            print a .DAT, .CNS or .CNG file, one field per line
  diff A B             print the fields that differ
  edit FILE.DAT F=V..  change fields with the editor's rules
  payload FILE.DAT     print the hex payload the editor sends
  fetch WHAT ...       fetch from the device (dataset, status, record, group)
  send WHAT ...        send to the device (dataset, status, version, record, group)

"zelcfg COMMAND --help" tells more. Exit status: 0 success, 1 diff found a
difference, 2 bad input, 3 no answer in time, 4 checksum mismatch or damaged
data, 5 the port cannot be opened.
)");
}

QString CommandHelp(const QString& command)
{
    for (const Help& help : kHelp) {
        if (command == QLatin1String(help.command))
            return QString::fromUtf8(help.text) + (help.link ? QString::fromUtf8(kLink) : QString()) +
                   QString::fromUtf8(kCommon);
    }
    return {};
}
