#pragma once
// The help viewer: one browser window for the help document, opened at a topic's anchor.

#include <QString>

#include <functional>

class QWidget;

// Shows topic (1000, 1001, ...) of the help document file (a resource path such as
// ":/help/shutterly.html"), reusing the viewer if it is open.
void ShowHelpTopic(const QString& file, int topic);

// Lets F1 in window open the given topic of the shipped help document.
void BindHelpKey(QWidget* window, int topic);
// The same with the topic asked for when F1 is pressed (the page shown, say).
void BindHelpKey(QWidget* window, std::function<int()> topic);
