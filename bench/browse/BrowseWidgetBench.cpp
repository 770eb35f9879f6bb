// Times the product list widget on a synthetic catalogue, offscreen: building and painting the
// list, and one live-search keystroke through to the repainted table.
#include "bench/common/BenchFigures.h"
#include "nutrition/NumberText.h"
#include "platform/Platform.h"
#include "screens/browse/CatalogueUpdateRunner.h"
#include "screens/browse/SearchWidget.h"
#include "store/Database.h"

#include <QApplication>
#include <QLineEdit>
#include <QTreeView>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>

#include <unistd.h>

using namespace tolvane;
using bench::figure;
using bench::medianMs;

namespace {

struct NoUpdate : CatalogueUpdateRunner {
    void update() override {}
    void createCsvForUpload(const std::vector<std::string>&) override {}
    void saveProgress() override {}
};

void line(const std::string& what, double ms) {
    std::cout << "  " << what << std::string(what.size() < 44 ? 44 - what.size() : 1, ' ')
              << formatFixed(ms, 2) << " ms\n";
}

} // namespace

int main(int argc, char** argv) {
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
    fake.defaults.registerDefaults({{"isfirstLaunchSearch", false}});
    Database shared(file, log);
    shared.updateSettings("YES", "YES", "YES");
    FakeNavigation navigation;

    std::cout << "Product list widget, " << count << " products (median of 5 runs)\n";
    const double bare = medianMs(5, [&] {
        QWidget window;
        window.resize(320, 436);
        window.show();
        window.repaint();
    });
    // From the screen's construction to its first painted frame.
    const double firstFrame = medianMs(5, [&] {
        auto model = std::make_shared<SearchVC>(fake.platform(), shared, navigation);
        model->setUpdateRunner(std::make_unique<NoUpdate>());
        SearchWidget widget(model, fake.strings);
        widget.resize(320, 436);
        widget.show();
        widget.repaint();
    });
    line("first frame (built, shown and painted)", firstFrame);
    figure("first_frame", count, firstFrame, "ms", bare,
           "bare window shown and painted; target 60 ms");
    line("list built, shown, painted and filled", medianMs(5, [&] {
             auto model = std::make_shared<SearchVC>(fake.platform(), shared, navigation);
             model->setUpdateRunner(std::make_unique<NoUpdate>());
             SearchWidget widget(model, fake.strings);
             widget.resize(320, 436);
             widget.show();
             widget.repaint();
             fake.dispatcher.runPending();
             widget.repaint();
         }));

    auto model = std::make_shared<SearchVC>(fake.platform(), shared, navigation);
    model->setUpdateRunner(std::make_unique<NoUpdate>());
    SearchWidget widget(model, fake.strings);
    widget.resize(320, 436);
    widget.show();
    fake.dispatcher.runPending();
    std::cout << "    (" << model->rowCount() << " rows in the whole list)\n";
    for (const char* text : {"b", "sch"}) {
        line(std::string("keystroke \"") + text + "\" to repainted table", medianMs(5, [&] {
                 widget.searchField()->setText(QString());
                 emit widget.searchField()->textEdited(QString::fromLatin1(text));
                 fake.dispatcher.runPending();
                 widget.table()->viewport()->repaint();
             }));
        std::cout << "    (" << model->rowCount() << " rows shown)\n";
    }
    std::filesystem::remove_all(dir);
    return 0;
}
