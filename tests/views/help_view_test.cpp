// F1 opens the help at the topic of what the window shows, with that topic's heading at the top
// of the viewer, also for the short topics at the end of the document.

#include "calculator/calculatorwindowview.h"
#include "calculator/frmmain.h"
#include "controls/clock.h"
#include "help/helpdocument.h"
#include "locations/frmlocations.h"
#include "locations/frmlocationsview.h"
#include "moredata/frmmore.h"
#include "moredata/frmmoreview.h"

#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QShortcut>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

// The first line the help viewer shows; empty when it is not open.
QString TopLineOfHelp()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* viewer = qobject_cast<QTextBrowser*>(window);
        if (viewer && viewer->objectName() == "HelpBrowser" && viewer->isVisible())
            return viewer->cursorForPosition(QPoint(4, 4)).block().text();
    }
    return {};
}

// The heading of a topic in the help document of the suite's language, as the viewer shows it.
QString TopicHeading(int topic)
{
    QFile file(HelpDocumentFile());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QRegularExpression heading(QStringLiteral("id=\"topic%1\"[^>]*></a>([^<]*)</h").arg(topic));
    QTextDocument text;
    text.setHtml(heading.match(QString::fromUtf8(file.readAll())).captured(1));
    return text.toPlainText();
}

void PressF1(QWidget& window)
{
    for (QShortcut* key : window.findChildren<QShortcut*>()) {
        if (key->key() == QKeySequence(QKeySequence::HelpContents))
            emit key->activated();
    }
}

class HelpKey : public testing::Test {
protected:
    QTemporaryDir folder;
    TFixedClock clock{46363, 0};
    TFrmMain calculator{clock};
};

TEST_F(HelpKey, OpensTheCalculatorsPageTopic)
{
    CalculatorWindowView view(calculator);
    auto* pages = view.findChild<QTabWidget*>("PageControl1");
    ASSERT_NE(pages, nullptr);
    QStringList headings;
    for (int page = 0; page <= TFrmMain::PagesWithHelp; ++page)
        headings << TopicHeading(TFrmMain::PageHelpContext(page));
    if (QLocale().language() == QLocale::English || QLocale().language() == QLocale::C) {
        EXPECT_EQ(headings.first(), QStringLiteral("Depth of field and lighting"));
    }
    ASSERT_EQ(pages->count(), headings.size());
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        PressF1(view);
        EXPECT_EQ(TopLineOfHelp(), headings[page]) << page;
    }
}

TEST_F(HelpKey, OpensTheEditorsAndMoreDatasOwnTopics)
{
    const QString file = folder.filePath("shutterly.ini");
    Tfrm_more more(calculator, clock, file);
    FrmMoreView moreView(more);
    PressF1(moreView);
    EXPECT_EQ(TopLineOfHelp(), TopicHeading(Tfrm_more::HelpContext));

    Tfrm_locations editor(file);
    FrmLocationsView editorView(editor);
    PressF1(editorView);
    EXPECT_EQ(TopLineOfHelp(), TopicHeading(Tfrm_locations::HelpContext));
}

}  // namespace
