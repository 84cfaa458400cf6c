#pragma once
// The state every control shares, and the one observer through which a view mirrors it.

#include <QColor>
#include <QString>
#include <functional>

// A handler the window logic attaches to a control's event.
using TNotifyEvent = std::function<void()>;

class TControl {
public:
    TControl() = default;
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;
    virtual ~TControl() = default;

    bool enabled() const { return FEnabled; }
    void setEnabled(bool enabled) { assign(FEnabled, enabled); }
    bool visible() const { return FVisible; }
    void setVisible(bool visible) { assign(FVisible, visible); }
    // Background colour; invalid means the toolkit's default.
    QColor color() const { return FColor; }
    void setColor(const QColor& color) { assign(FColor, color); }
    QColor fontColor() const { return FFontColor; }
    void setFontColor(const QColor& color) { assign(FFontColor, color); }
    QString hint() const { return FHint; }
    void setHint(const QString& hint) { assign(FHint, hint); }

    // The member name the control is declared under; its widget carries the same name.
    const char* name() const { return FName; }

    // The view bound to this control; called after every change of state. One view a control.
    void setObserver(std::function<void()> observer) { FObserver = std::move(observer); }

protected:
    void notifyView() const
    {
        if (FObserver)
            FObserver();
    }

    template <typename T>
    bool assign(T& field, const T& value)
    {
        if (field == value)
            return false;
        field = value;
        notifyView();
        return true;
    }

private:
    friend class TControlName;

    const char* FName = "";
    bool FEnabled = true;
    bool FVisible = true;
    QColor FColor;
    QColor FFontColor;
    QString FHint;
    std::function<void()> FObserver;
};

// Background colours of the calculator: inputs are yellow, disabled inputs button-face grey.
inline const QColor clInput = QColor(255, 255, 0);
inline const QColor clBtnFace = QColor(240, 240, 240);
// The background of a box whose text is no value of it.
inline const QColor clUnreadable = QColor(255, 150, 150);
