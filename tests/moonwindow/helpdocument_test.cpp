#include "calculator/frmmain.h"
#include "moonwindow/mainform.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

TEST(HelpDocument, ShipsWithAnAnchorForEveryTopicTheWindowsOpen)
{
    QFile file(QStringLiteral(":/help/shutterly.html"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray html = file.readAll();
    QList<int> topics = {htContents, htTimeZones, htMoonWindow, htMoreData, htUniversalTime, htLocations};
    for (int page = 0; page <= TFrmMain::PagesWithHelp; ++page)
        topics.append(TFrmMain::PageHelpContext(page));
    for (int topic : topics)
        EXPECT_TRUE(html.contains("id=\"topic" + QByteArray::number(topic) + "\"")) << topic;
}

}  // namespace
