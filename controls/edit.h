#pragma once

#include "controls/control.h"

// An edit box (or label): a text whose change runs onChange inside the write. Writing the text
// it already holds fires nothing, which is what ends every chain of dependent handlers.
class TEdit : public TControl {
public:
    explicit TEdit(const QString& text = {})
        : FText(text)
    {}

    QString text() const { return FText; }
    void setText(const QString& text)
    {
        if (!assign(FText, text))
            return;
        if (onChange)
            onChange();
    }
    bool readOnly() const { return FReadOnly; }
    void setReadOnly(bool readOnly) { assign(FReadOnly, readOnly); }
    // Why the text typed is no value of the box; empty while it is one. The view marks the box
    // and shows the message in its tooltip and the window's status line.
    QString error() const { return FError; }
    void setError(const QString& error) { assign(FError, error); }

    // Focus moves into or out of the box (views call these).
    void enter() const
    {
        if (onEnter)
            onEnter();
    }
    void exit() const
    {
        if (onExit)
            onExit();
    }

    TNotifyEvent onChange;
    TNotifyEvent onEnter;
    TNotifyEvent onExit;

private:
    QString FText;
    bool FReadOnly = false;
    QString FError;
};

// A caption that shows a result; it behaves as an edit box the user cannot type into.
class TLabel : public TEdit {
public:
    using TEdit::TEdit;
};

// A multi-line text; the calculator's documentation pages are read-only memos.
class TMemo : public TEdit {
public:
    explicit TMemo(const QString& text = {}, bool readOnly = true)
        : TEdit(text)
    {
        setReadOnly(readOnly);
    }
};
