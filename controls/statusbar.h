#pragma once

#include "controls/control.h"

#include <QList>
#include <QStringList>

// A status bar of fixed-width panels, each with a text.
class TStatusBar : public TControl {
public:
    struct Panel {
        int width;
        QString text;
        Qt::Alignment alignment = Qt::AlignLeft;
    };

    explicit TStatusBar(QList<Panel> panels)
        : FPanels(std::move(panels))
    {}

    const QList<Panel>& panels() const { return FPanels; }
    QString panelText(int index) const { return FPanels[index].text; }
    void setPanelText(int index, const QString& text) { assign(FPanels[index].text, text); }

private:
    QList<Panel> FPanels;
};

inline bool operator==(const TStatusBar::Panel& a, const TStatusBar::Panel& b)
{
    return a.width == b.width && a.text == b.text && a.alignment == b.alignment;
}
