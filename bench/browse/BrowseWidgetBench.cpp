// Times the product list widget on a synthetic catalogue, offscreen: building it to its first
// painted frame, to the painted frame with the list filled, swapping a rebuilt list in, and one
// live-search keystroke through to the repainted table.
#include "bench/common/BenchFigures.h"
#include "catalogue/CatalogueService.h"
#include "catalogue/HeldMemory.h"
#include "nutrition/NumberText.h"
#include "platform/Platform.h"
#include "screens/browse/SearchWidget.h"
#include "store/Database.h"
#include "store/SettingsStore.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QListView>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <thread>
#include <vector>

#include <unistd.h>

using namespace tolvane;
using bench::figure;
using bench::medianMs;

namespace {

// Counts the paint events a widget gets, to show that a timed frame was painted.
struct PaintCount : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// Shows the window and paints its first frame: a window paints only once the platform has
// exposed it, which the event loop learns.
void showFirstFrame(QWidget& window) {
    window.show();
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    window.repaint();
}

void line(const std::string& what, double ms) {
    std::cout << "  " << what << std::string(what.size() < 44 ? 44 - what.size() : 1, ' ')
              << formatFixed(ms, 2) << " ms\n";
}

} // namespace

int main(int argc, char** argv) {
    returnLargeBlocksWhenFreed(); // as the program does
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int count = 100000;
    if (argc > 2 && std::string(argv[1]) == "--count") count = integerValue(argv[2]);
    const auto dir = std::filesystem::temp_directory_path() /
                     ("tolvane-widget-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const auto file = (dir / "synthetic.db").string();
    bench::makeSyntheticCatalogue(TOLVANE_CATALOGUE_TOOL, file, count);
    NullLog log;
    FakePlatform fake;
    fake.defaults.registerDefaults({{AppDefaults::kFirstLaunchSearch, false}});
    Database shared(file, log);
    SettingsStore(shared).updateSettings("YES", "YES", "YES");
    FakeNavigation navigation;

    std::cout << "Product list widget, " << count << " products (median of 5 runs)\n";
    const double bare = medianMs(5, [&] {
        QWidget window;
        window.resize(320, 436);
        showFirstFrame(window);
    });
    // From the making of the catalogue service (which reads the list: a large one on its list
    // reader after the first frame) and the screen to the first painted frame, and to the frame
    // painted once the list is filled. All is closed after the timing: the reader is waited for
    // there, untimed.
    std::unique_ptr<CatalogueService> catalogue;
    std::shared_ptr<SearchVC> model;
    std::unique_ptr<SearchWidget> widget;
    PaintCount tablePaints;
    const auto build = [&] {
        catalogue = std::make_unique<CatalogueService>(fake.platform(), shared);
        model = std::make_shared<SearchVC>(fake.platform(), shared, *catalogue, navigation);
        widget = std::make_unique<SearchWidget>(model, fake.strings);
        widget->resize(320, 436);
        widget->table()->viewport()->installEventFilter(&tablePaints);
        showFirstFrame(*widget);
    };
    const auto close = [&] {
        fake.dispatcher.runUntil([&] { return !catalogue->rebuildPending(); });
        widget.reset();
        model.reset();
        catalogue.reset();
        fake.dispatcher.runPending();
    };
    bool filledAtFirst = true;
    const double firstFrame = medianMs(
        5,
        [&] {
            build();
            filledAtFirst = filledAtFirst && !model->listLoading();
        },
        close);
    line("first frame (built, shown and painted)", firstFrame);
    std::cout << "    (" << tablePaints.paints << " paints of the table in 5 runs)\n";
    std::cout << "    (the list " << (filledAtFirst ? "filled before" : "read after")
              << " the first frame)\n";
    figure("first_frame", count, firstFrame, "ms", bare,
           "bare window shown and painted; target 60 ms");
    const double filled = medianMs(
        5,
        [&] {
            build();
            fake.dispatcher.runUntil([&] { return !model->listLoading(); });
            widget->repaint();
        },
        close);
    line("list filled (built, shown, painted, filled)", filled);
    figure("list_filled", count, filled, "ms", firstFrame, "first frame");

    build();
    fake.dispatcher.runUntil([&] { return !model->listLoading(); });
    std::cout << "    (" << model->rowCount() << " rows in the whole list)\n";
    // What a list read again on the reader costs the UI thread: swapping it into the shown table.
    std::vector<double> swaps;
    for (int run = 0; run < 5; ++run) {
        const auto queued = fake.dispatcher.queued();
        catalogue->ownProductsChanged();              // on the reader at once
        while (fake.dispatcher.queued() < queued + 1) // the list read
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        const auto start = std::chrono::steady_clock::now();
        fake.dispatcher.runPending();
        widget->repaint();
        swaps.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(swaps.begin(), swaps.end());
    line("rebuilt list swapped in and repainted", swaps[swaps.size() / 2]);
    for (const char* text : {"b", "sch"}) {
        line(std::string("keystroke \"") + text + "\" to repainted table", medianMs(5, [&] {
                 widget->searchField()->setText(QString());
                 emit widget->searchField()->textEdited(QString::fromLatin1(text));
                 fake.dispatcher.runPending();
                 widget->table()->viewport()->repaint();
             }));
        std::cout << "    (" << model->rowCount() << " rows shown)\n";
    }
    close();
    std::filesystem::remove_all(dir);
    return 0;
}
