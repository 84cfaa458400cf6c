#include "calculator/calculatorwindowview.h"

#include "calculator/astropageview.h"
#include "calculator/conversionspageview.h"
#include "calculator/dofpageview.h"
#include "calculator/exposurepageview.h"
#include "calculator/frmmain.h"
#include "calculator/macropageview.h"
#include "calculator/pagelayoutview.h"
#include "calculator/sunpageview.h"
#include "controls/bindingview.h"
#include "controls/guard.h"
#include "controls/printscale.h"
#include "help/helpview.h"

#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// The form's client area, the least the window gives its pages.
constexpr int ClientWidth = 1072;
constexpr int ClientHeight = 692;

QWidget* memoPage(TMemo& memo)
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(PageLayout::documentation(memo));
    return page;
}

QWidget* helpPage(TFrmMain& form)
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Bind::memo(form.MemoHelp));
    auto* panel = new QWidget;
    auto* panelLayout = new QHBoxLayout(panel);
    panelLayout->addWidget(Bind::label(form.lblContact), 1);
    panelLayout->addWidget(Bind::button(form.btnWebsite));
    layout->addWidget(panel);
    return page;
}

// Clipboard actions work on whichever edit box has the focus.
template <typename Operation>
void connectClipboard(QAction* action, Operation operation)
{
    QObject::connect(action, &QAction::triggered, action, [operation] {
        if (auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget()))
            operation(edit);
    });
}

}  // namespace

CalculatorWindowView::CalculatorWindowView(TFrmMain& form, QWidget* parent)
    : QMainWindow(parent),
      FForm(form)
{
    setObjectName("FrmMain");
    createMenus();
    auto* scroll = new QScrollArea;
    scroll->setObjectName("ScrollBox1");
    scroll->setWidgetResizable(true);
    QWidget* pages = createPages();
    scroll->setWidget(pages);
    setCentralWidget(scroll);
    Bind::statusBar(FForm.StatusBar1, statusBar());
    Bind::timer(FForm.Timer, this);
    Bind::window(FForm, this);
    connectDesktop();
    growToFitPages();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    // A page whose texts grew asks its layout for more room; the window follows.
    pages->installEventFilter(this);
}

// The client area is at least the form's; where the desktop's fonts or longer texts need more,
// it grows until every page shows without scrolling. It never shrinks, so the window does not
// jump back and forth, and a screen too small for it leaves the scroll box to do its work.
void CalculatorWindowView::growToFitPages()
{
    auto* scroll = static_cast<QScrollArea*>(centralWidget());
    QWidget* pages = scroll->widget();
    pages->ensurePolished();
    // The form's client area holds the scroll box and the status bar; the menu bar lies above it.
    const int frame = 2 * scroll->frameWidth();
    const int status = statusBar()->sizeHint().height();
    const int menu = menuBar()->sizeHint().height();
    const QSize current(width(), height() - menu);
    const QSize wanted = (pages->minimumSizeHint() + QSize(frame, frame + status))
                             .expandedTo(QSize(ClientWidth, ClientHeight))
                             .expandedTo(current);
    // The desktop's frame around the window takes its share of the screen too.
    const QSize frameExtra = frameGeometry().size() - size();
    QSize client = wanted;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        client = client.boundedTo(screen->availableSize() - frameExtra - QSize(0, menu));
    if (client != current)
        resize(client.width(), client.height() + menu);
    // A window as large as the screen allows that asks for more shows whole at least.
    if (wanted != current)
        keepOnScreen();
}

// A window that grows after the desktop has placed it would reach past the screen's right or
// bottom edge; it moves back just far enough to show whole.
void CalculatorWindowView::keepOnScreen()
{
    const QScreen* screen = this->screen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QRect frame = frameGeometry();
    const int left = std::max(available.left(), std::min(frame.left(), available.right() + 1 - frame.width()));
    const int top = std::max(available.top(), std::min(frame.top(), available.bottom() + 1 - frame.height()));
    if (left != frame.left() || top != frame.top())
        move(left, top);
}

// By the first showing the start-up recalculations have filled every result, so each result
// label can keep room for its longest usual text and the window is sized for those once.
void CalculatorWindowView::showEvent(QShowEvent* event)
{
    if (!FRoomReserved) {
        FRoomReserved = true;
        for (TElidingLabel* label : centralWidget()->findChildren<TElidingLabel*>())
            label->reserveRoomForResults();
        growToFitPages();
    }
    QMainWindow::showEvent(event);
}

bool CalculatorWindowView::eventFilter(QObject* watched, QEvent* event)
{
    // After the pages have taken in their new layout.
    if (event->type() == QEvent::LayoutRequest)
        QTimer::singleShot(0, this, &CalculatorWindowView::growToFitPages);
    return QMainWindow::eventFilter(watched, event);
}

void CalculatorWindowView::createMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(Bind::action(FForm.SunandMoonposition1, this));
    file->addSeparator();
    file->addAction(Bind::action(FForm.Print1, this));
    file->addAction(Bind::action(FForm.PrintSetup1, this));
    file->addSeparator();
    file->addAction(Bind::action(FForm.Exit1, this));

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    QAction* cut = Bind::action(FForm.EditCut1, this);
    QAction* copy = Bind::action(FForm.EditCopy1, this);
    QAction* paste = Bind::action(FForm.EditPaste1, this);
    cut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    paste->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    for (QAction* action : {cut, copy, paste})
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connectClipboard(cut, [](QLineEdit* focused) { focused->cut(); });
    connectClipboard(copy, [](QLineEdit* focused) { focused->copy(); });
    connectClipboard(paste, [](QLineEdit* focused) { focused->paste(); });
    edit->addActions({cut, copy, paste});
    edit->addSeparator();
    edit->addAction(Bind::action(FForm.Changebackgroundcolour1, this));
}

QWidget* CalculatorWindowView::createPages()
{
    auto* pages = new QTabWidget;
    pages->setObjectName("PageControl1");
    const struct {
        TTabSheet& sheet;
        QWidget* page;
    } sheets[] = {
        {FForm.tbshtDOF, createDofPage(FForm, nullptr)},     {FForm.tbshtCalc, createConversionsPage(FForm, nullptr)},
        {FForm.tbshtEV, createExposurePage(FForm, nullptr)}, {FForm.tbshtZone, memoPage(FForm.MemoZone)},
        {FForm.tbshtMacro, createMacroPage(FForm, nullptr)}, {FForm.tbshtAstro, createAstroPage(FForm, nullptr)},
        {FForm.tbshtSun, createSunPage(FForm, nullptr)},     {FForm.tbshtHelp, helpPage(FForm)},
    };
    for (const auto& sheet : sheets) {
        sheet.page->setObjectName(sheet.sheet.name());
        pages->addTab(sheet.page, sheet.sheet.caption());
    }
    pages->setCurrentIndex(0);
    BindHelpKey(this, [pages] { return TFrmMain::PageHelpContext(pages->currentIndex()); });
    return pages;
}

CalculatorWindowView::~CalculatorWindowView() = default;

QPrinter& CalculatorWindowView::printer()
{
    // Made when first needed: a printer asks the print system for its defaults, which the
    // window's first showing need not wait for.
    if (!FPrinter)
        FPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *FPrinter;
}

void CalculatorWindowView::connectDesktop()
{
    FForm.ColorDialog1.onExecute = [this](QColor& color) {
        const QColor chosen = QColorDialog::getColor(color, this, tr("Background colour"));
        if (!chosen.isValid())
            return false;
        color = chosen;
        return true;
    };
    auto* popup = new QMenu(this);
    popup->setObjectName("PopupMenu1");
    popup->addAction(Bind::action(FForm.Changecolour1, popup));
    FForm.PopupMenu1.onPopup = [popup](QPoint point) { popup->popup(point); };
    FForm.onStripScreenOrigin = [this] {
        const auto* strip = findChild<QWidget*>(FForm.shpBackground.name());
        return strip ? strip->mapToGlobal(QPoint(0, 0)) : mapToGlobal(QPoint(0, 0));
    };
    FForm.onOpenUrl = [](const QString& url) { QDesktopServices::openUrl(QUrl(url)); };
    FForm.onPrintWindowImage = [this] { printWindowImage(); };
    FForm.PrinterSetupDialog1.onExecute = [this] {
        if (QPrinterInfo::availablePrinters().isEmpty()) {
            QMessageBox::information(this, tr("Print Setup"), tr("No printer is installed on this computer."));
            return false;
        }
        // The dialog writes the choice into the printer only when it is accepted.
        QPrintDialog dialog(&printer(), this);
        return dialog.exec() == QDialog::Accepted;
    };
}

void CalculatorWindowView::printWindowImage()
{
    const QImage image = grab().toImage();
    // Without a printer the printout can still go to a file, on the paper Print Setup chose;
    // a file chosen there ("Print to File") is printed to as it stands.
    QPrinter fileOutput(QPrinter::HighResolution);
    QPrinter& setUp = printer();
    const bool toFileAlready = setUp.outputFormat() == QPrinter::PdfFormat && !setUp.outputFileName().isEmpty();
    QPrinter& printer = toFileAlready || !QPrinterInfo::availablePrinters().isEmpty() ? setUp : fileOutput;
    if (&printer == &fileOutput) {
        const auto answer = QMessageBox::question(
            this, tr("Print"), tr("No printer is installed. Save the printout as a PDF file instead?"));
        if (answer != QMessageBox::Yes)
            return;
        const QString file = QFileDialog::getSaveFileName(this, tr("Save printout"), QStringLiteral("shutterly.pdf"),
                                                          tr("PDF files (*.pdf)"));
        if (file.isEmpty())
            return;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        printer.setPageLayout(setUp.pageLayout());
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        QMessageBox::warning(this, tr("Print"), tr("The printer could not be started."));
        return;
    }
    const QSize printable = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    const double scale = PrintScale(image.deviceIndependentSize().toSize(), printable, printer.resolution());
    painter.scale(scale, scale);
    painter.drawImage(0, 0, image);
    painter.end();
}

bool CalculatorWindowView::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        TGuard::run([&] { FForm.HintToStatusBar(tip); });
        return true;
    }
    return QMainWindow::event(event);
}

void CalculatorWindowView::closeEvent(QCloseEvent* event)
{
    TGuard::runAtEnd([&] { FForm.FormClose(); });
    QMainWindow::closeEvent(event);
}
