#pragma once

#include <QList>

class FramedPanel;
class PageTexts;
class QCheckBox;
class QLineEdit;

// The texts of one part of a page with fixed controls (monitor, ESAM): keys
// "PartNN.Caption", "PartNN.LabelMM", "PartNN.OptMM.Caption" and their tooltips.
namespace PanelTexts {

// Caption "PartNN.Caption" (default "PartNN"), tooltip "PartNN.ToolTip" (default empty).
void loadPanel(const PageTexts& texts, int part, FramedPanel* panel);
// Label MM (from 01): text "PartNN.LabelMM" (default the key), tooltip "PartNN.ToolTipMM".
void loadLabels(const PageTexts& texts, int part, const QList<QLineEdit*>& labels);
// Check box MM (from 01): caption "PartNN.OptMM.Caption" (default the key),
// tooltip "PartNN.OptMM.ToolTip".
void loadChecks(const PageTexts& texts, int part, const QList<QCheckBox*>& checks);

} // namespace PanelTexts
