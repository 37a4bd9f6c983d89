#pragma once

#include <QString>

struct DataContext;
struct SelectorLists;
class LinkCommands;
class SerialLink;

// "30" for index 0 (all eight records), "31" ... "38" for 1 ... 8, else "".
QString ConfigKindCode(int index);
// 0 ... 8 for the kind texts "30" ... "38", 255 for any other text.
int ConfigIndexFromCode(const QString& kind);

// Sends configuration files to the device and asks it for its records.
class ConfigTransfer
{
public:
    static constexpr int PauseBetweenRecordsMs = 500;

    ConfigTransfer(DataContext& data, SerialLink& link, LinkCommands& commands, const SelectorLists& lists);

    // Reads the file of index 0 (the eight-record file) or 1 ... 8 (the row's
    // one-record file) and sends its records, each answered by "86". A failure
    // that ends the operation (the frame could not be built) comes back as text.
    QString SendConfig(int index);
    // Asks for record 1 ... 8, or for all eight into a file the user chooses.
    void RequestConfig(int index);

private:
    QString proposedPath(int index) const;

    DataContext& m_data;
    SerialLink& m_link;
    LinkCommands& m_commands;
    const SelectorLists& m_lists;
};
