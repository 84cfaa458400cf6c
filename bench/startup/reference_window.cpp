// The yardstick of the program's start-up: the least a Qt window with a label and eight tabs
// takes to reach the screen.

#include "firstpaint.h"

#include <QApplication>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Reference window")));
    auto* tabs = new QTabWidget;
    for (int page = 1; page <= 8; ++page)
        tabs->addTab(new QWidget, QStringLiteral("Page %1").arg(page));
    layout->addWidget(tabs);
    ReportFirstPaint(window);
    window.show();
    return app.exec();
}
