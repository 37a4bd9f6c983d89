#pragma once

#include <QColor>
#include <QWidget>

class QLabel;
class FrameLine;

// A group frame whose caption is a field of its own laid over the top-left of the
// frame line, so the caption can carry its own tooltip, font and width, and an
// empty caption leaves the frame line unbroken.
class FramedPanel : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(FramedPanel)

public:
    explicit FramedPanel(QWidget* parent = nullptr, const QString& name = QStringLiteral("sdFrame"));

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    QLabel* captionField() const { return m_txtCaption; }
    QWidget* frame() const;

    bool hasBorder() const;
    // Without a border the caption field is hidden; the caption itself is kept.
    void setBorder(bool on);
    QColor backColor() const;
    void setBackColor(const QColor& color);
    // Applies the font to the frame, the caption field and the panel.
    void setPanelFont(const QFont& font);

    // Geometry in twips, relative to the containing widget.
    void setTwipGeometry(int left, int top, int width, int height);

Q_SIGNALS:
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, int x, int y);
    void mouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fitCaption(const QString& shownText);

    FrameLine* m_frame1;
    QLabel* m_txtCaption;
    QString m_caption;
};
