#include "moonwindow/mainform.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

TEST(HelpDocument, ShipsWithAnAnchorForEveryTopicTheWindowsOpen)
{
    QFile file(QStringLiteral(":/help/shutterly.html"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray html = file.readAll();
    for (int topic : {htContents, htTimeZones, htMoonWindow, htMoreData, htUniversalTime, htLocations})
        EXPECT_TRUE(html.contains("id=\"topic" + QByteArray::number(topic) + "\"")) << topic;
}

}  // namespace
