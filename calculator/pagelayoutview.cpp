#include "calculator/pagelayoutview.h"

#include "controls/bindingview.h"

#include <QBoxLayout>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>

namespace PageLayout {

QGroupBox* groupBox(const QString& title, const char* name)
{
    auto* box = new QGroupBox(title);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QPlainTextEdit* documentation(TMemo& memo)
{
    QPlainTextEdit* text = Bind::memo(memo);
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    return text;
}

QGroupBox* unitGroup(TRadioGroup& control)
{
    QGroupBox* box = Bind::radioGroup(control, QString());
    if (auto* layout = qobject_cast<QBoxLayout*>(box->layout()))
        layout->setDirection(QBoxLayout::LeftToRight);
    return box;
}

QLabel* wrapped(QLabel* label)
{
    label->setWordWrap(true);
    return label;
}

void addCaptioned(QGridLayout* grid, int row, const QString& caption, QWidget* field, int column)
{
    grid->addWidget(Bind::caption(caption), row, column);
    grid->addWidget(field, row, column + 1);
}

QWidget* documentedPage(QWidget* parent, const char* name, std::initializer_list<QWidget*> column, int columnStretch,
                        QWidget* documentation, int documentationStretch)
{
    auto* page = new QWidget(parent);
    page->setObjectName(QString::fromLatin1(name));
    auto* layout = new QHBoxLayout(page);
    auto* left = new QVBoxLayout;
    for (QWidget* widget : column)
        left->addWidget(widget);
    left->addStretch(1);
    layout->addLayout(left, columnStretch);
    layout->addWidget(documentation, documentationStretch);
    return page;
}

}  // namespace PageLayout
