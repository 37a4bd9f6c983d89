#include "StatusTexts.h"

#include "DataContext.h"
#include "Helpers.h"
#include "UserInterface.h"

#include <algorithm>

namespace {

constexpr int kSentLength = 64;
constexpr char kCommandByte = char(0x83);
constexpr char kEndByte = 0x0D;

// A text never set holds NUL bytes; it is as empty as one of blanks.
bool isBlank(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c == QLatin1Char(' ') || c.isNull(); });
}

} // namespace

QString StatusTextContent(const ConfigurationData& data)
{
    QString content;
    content.reserve(int(data.StatusText.size()) * (kSentLength + 1) * 2);
    for (int n = 1; n <= int(data.StatusText.size()); ++n) {
        QString text = data.StatusText[n - 1].text();
        if (isBlank(text))
            text = QStringLiteral("TextStatus(%1)").arg(n);
        // The field is 64 wide already; the replacement text needs the padding.
        FixedText<kSentLength> field;
        field.set(text);
        content += HexByte(kSentLength);
        content += TextToHex(field.text());
    }
    return content;
}

QByteArray BuildStatusTextBlock(DataContext& ctx)
{
    ctx.app.ui.pagesToDataSet();
    QByteArray block;
    block.append(kCommandByte);
    block.append(StatusTextContent(ctx.data).toLatin1());
    block.append(kEndByte);
    return block;
}

StatusTextReading ReadStatusTextBlock(DataContext& ctx, const QString& content)
{
    StatusTextReading result;
    for (auto& text : ctx.data.StatusText)
        text.set(QString());

    const int slots = int(ctx.data.StatusText.size());
    qsizetype pos = 0;
    while (pos < content.size()) {
        const int length = ByteFromHex(content.mid(pos, 2));
        pos += 2;
        if (pos + 2 * qsizetype(length) > content.size()) {
            result.cutShort = true;
            break;
        }
        const QString text = HexToText(content.mid(pos, 2 * length));
        pos += 2 * length;
        // Trailing blanks vanish in the field's own padding.
        if (result.stored < slots)
            ctx.data.StatusText[result.stored++].set(text);
        else
            ++result.surplus;
    }
    ctx.app.ui.dataSetToPages();
    return result;
}
