// Renders each screen of the application offscreen into PNG files, for the documentation.
// Usage: tolvane-screenshots OUTDIR [LANG]   (run with QT_QPA_PLATFORM=offscreen)
#include "app/AppContext.h"
#include "app/NavigationStack.h"
#include "app/ScreenRegistry.h"
#include "app/StyleSheet.h"
#include "app/TabShell.h"
#include "app/Tolvane_AppDelegate.h"
#include "app/settings/LocalizationWidget.h"
#include "app/settings/SetupWidget.h"
#include "app/settings/TableRow.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <iostream>

using namespace tolvane;

namespace {

void settle() {
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

QMessageBox* openAlert() {
    for (auto* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) return box;
    return nullptr;
}

// The window, with an open alert drawn over it as the user would see it.
QImage capture(QWidget* window) {
    QImage image = window->grab().toImage();
    if (auto* box = openAlert()) {
        QPainter painter(&image);
        painter.fillRect(QRect(QPoint(0, 0), window->size()), QColor(0, 0, 0, 90));
        box->adjustSize();
        const QPixmap alert = box->grab();
        const QSize size = alert.deviceIndependentSize().toSize();
        const int width = std::min(size.width(), window->width() - 20);
        const int height = size.height() * width / std::max(1, size.width());
        painter.drawPixmap(
            QRect((window->width() - width) / 2, (window->height() - height) / 2, width, height),
            alert);
    }
    return image;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::cerr << "usage: tolvane-screenshots OUTDIR [LANG]\n";
        return 2;
    }
    const QString out = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    const QString lang = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString("de");
    QDir().mkpath(out);
    QTemporaryDir documents;
    NavigationStack::setAnimated(false);

    AppOptions options;
    options.documentsDir = documents.path();
    options.resourceDir = AppOptions::findResourceDir(QCoreApplication::applicationDirPath());
    options.defaultsFile = documents.filePath("defaults.ini");
    options.language = lang;
    auto context = AppContext::create(options, std::make_unique<NullLog>(), {lang.toStdString()});
    context->urls = std::make_unique<FakeUrlOpener>();
    app.setStyleSheet(styleSheet());
    ScreenFactory factory;
    registerScreens(factory);
    Tolvane_AppDelegate delegate(*context, factory);
    delegate.awakeFromNib();
    delegate.applicationDidFinishLaunching();
    settle();

    QWidget* window = delegate.window();
    TabShell& tabs = *delegate.tabBarVC();
    int count = 0;
    bool ok = true;
    auto closeAlert = [] {
        if (auto* box = openAlert()) box->buttons().front()->click();
        settle();
    };
    // Alerts of other screens (start-up prompts) are answered; the settings hint is shown.
    auto shot = [&](const QString& name) {
        settle();
        if (!name.endsWith("hint"))
            while (openAlert())
                closeAlert();
        const QString file =
            QString("%1/%2-%3.png").arg(out).arg(++count, 2, 10, QChar('0')).arg(name);
        ok = capture(window).save(file) && ok;
        std::cout << file.toStdString() << "\n";
    };

    shot("search-tab");
    tabs.setCurrentIndex(1);
    shot("menu-list-tab");
    tabs.setCurrentIndex(2);
    shot("categories-tab");
    tabs.setCurrentIndex(3);
    shot("setup-hint");
    closeAlert();
    shot("setup");

    auto* stack = tabs.stack(3);
    auto* setup = qobject_cast<SetupWidget*>(stack->topWidget());
    if (!setup) return 1;
    setup->model().didSelectRow(0, 0);
    shot("language");
    if (auto* languages = qobject_cast<LocalizationWidget*>(stack->topWidget())) {
        emit languages->row(2)->clicked();
        shot("language-chosen");
    }
    stack->pop();
    setup->model().didSelectRow(1, 0);
    shot("help-traffic-lights");
    stack->pop();
    setup->model().didSelectRow(1, 1);
    shot("help-usage");
    stack->pop();
    setup->model().infoButtonTapped(1006);
    shot("help-profile-untitled");
    stack->pop();
    setup->model().didSelectRow(0, 3);
    shot("own-products-placeholder");
    stack->pop();

    delegate.showLandscapeView({"Apfelmus|1|Migros|2|0|0.1|0|12|0|60|g|250"}, 3);
    settle();
    closeAlert();
    shot("landscape");
    delegate.showInfoView({}, 3);
    shot("gda-info-landscape");
    delegate.nextView();
    shot("back-to-portrait");
    return ok ? 0 : 1;
}
