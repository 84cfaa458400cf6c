#include "help/helpview.h"

#include "controls/modalview.h"
#include "help/helpdocument.h"

#include <QFile>
#include <QKeySequence>
#include <QPointer>
#include <QShortcut>
#include <QTextBrowser>
#include <QTextFrame>
#include <QUrl>

namespace {

QPointer<QTextBrowser> Viewer;

}  // namespace

void ShowHelpTopic(const QString& file, int topic)
{
    if (!Viewer) {
        Viewer = new QTextBrowser(nullptr);
        Viewer->setAttribute(Qt::WA_DeleteOnClose);
        Viewer->setAttribute(Qt::WA_QuitOnClose, false);
        Viewer->setObjectName(QStringLiteral("HelpBrowser"));
        Viewer->resize(640, 560);
    }
    Viewer->setSource(QUrl(QStringLiteral("qrc") + file));
    // Room below the last topic, so that a short one near the end can scroll to the top rather
    // than leave the one before it in view.
    QTextFrame* root = Viewer->document()->rootFrame();
    QTextFrameFormat room = root->frameFormat();
    room.setBottomMargin(Viewer->height());
    root->setFrameFormat(room);
    Viewer->scrollToAnchor(QStringLiteral("topic%1").arg(topic));
    Viewer->setWindowTitle(Viewer->documentTitle());
    BelongToActiveModal(Viewer);
    Viewer->show();
    Viewer->raise();
}

void BindHelpKey(QWidget* window, int topic)
{
    BindHelpKey(window, [topic] { return topic; });
}

void BindHelpKey(QWidget* window, std::function<int()> topic)
{
    auto* key = new QShortcut(QKeySequence::HelpContents, window);
    QObject::connect(key, &QShortcut::activated, window, [topic = std::move(topic)] {
        if (const QString document = HelpDocumentFile(); QFile::exists(document))
            ShowHelpTopic(document, topic());
    });
}
