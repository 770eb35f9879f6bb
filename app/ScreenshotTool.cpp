// Renders each screen of the application offscreen into PNG files, for the documentation.
// Usage: tolvane-screenshots OUTDIR [LANG] [--server URL] [--only NAME,...] [--prefix P]
// (run with QT_QPA_PLATFORM=offscreen). With --server the last shot is the update progress.
#include "app/AppContext.h"
#include "app/NavigationStack.h"
#include "app/ScreenRegistry.h"
#include "app/ScreenshotDiary.h"
#include "app/ScreenshotSupport.h"
#include "app/StyleSheet.h"
#include "app/Tab.h"
#include "app/TabShell.h"
#include "app/Tolvane_AppDelegate.h"
#include "screens/browse/CategoryWidget.h"
#include "screens/browse/SearchWidget.h"
#include "screens/common/TableRow.h"
#include "screens/detail/ProductDetailWidget.h"
#include "screens/detail/ProductDetailsLandscapeWidget.h"
#include "screens/filing/CheckPickerView.h"
#include "screens/ownproducts/AddProductWidget.h"
#include "screens/ownproducts/ManageProductsWidget.h"
#include "screens/planner/AddMenuFolderWidget.h"
#include "screens/planner/FavoriteVCFolderNewWidget.h"
#include "screens/planner/MenuFolderWidget.h"
#include "screens/planner/NewEditConsumptionWidget.h"
#include "screens/profile/PersonalProfileWidget.h"
#include "screens/settings/LocalizationWidget.h"
#include "screens/settings/SetupWidget.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <iostream>

using namespace tolvane;

namespace {

// A product whose lights show green, yellow and red, one of them with the top star.
bool showsEveryLight(const ProductDetail& detail) {
    bool green = false, yellow = false, red = false, top = false;
    for (int i = 0; i < detail.numberOfRows(); ++i) {
        const std::string picture = detail.row(i).picture;
        green = green || picture.rfind("ampel_green", 0) == 0;
        yellow = yellow || picture.rfind("ampel_yellow", 0) == 0;
        red = red || picture.rfind("ampel_red", 0) == 0;
        top = top || picture.ends_with("_top");
    }
    return green && yellow && red && top;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addPositionalArgument("outdir", "Folder for the PNG files.");
    parser.addPositionalArgument("lang", "Interface language (default de).");
    QCommandLineOption serverOption("server", "Product server for the update shot.", "url");
    QCommandLineOption onlyOption("only", "Comma-separated shot names to keep.", "names");
    QCommandLineOption prefixOption("prefix", "Prefix of the file names.", "text");
    parser.addOptions({serverOption, onlyOption, prefixOption});
    parser.addHelpOption();
    parser.process(app);
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty()) parser.showHelp(2);
    const QString out = QDir(positional[0]).absolutePath();
    const QString lang = positional.size() > 1 ? positional[1] : QString("de");
    const QString server = parser.value(serverOption);
    const QStringList only = parser.value(onlyOption).split(',', Qt::SkipEmptyParts);
    const QString prefix = parser.value(prefixOption);
    QDir().mkpath(out);
    QTemporaryDir documents;
    NavigationStack::setAnimated(false);

    AppOptions options;
    options.documentsDir = documents.path();
    options.resourceDir = AppOptions::findResourceDir(QCoreApplication::applicationDirPath());
    options.defaultsFile = documents.filePath("defaults.ini");
    options.language = lang;
    options.serverUrl = server;
    auto context = AppContext::create(options, std::make_unique<NullLog>(), {lang.toStdString()});
    context->urls = std::make_unique<FakeUrlOpener>();
    app.setStyleSheet(styleSheet());
    ScreenFactory factory;
    registerScreens(factory);
    Tolvane_AppDelegate delegate(*context, factory);
    delegate.awakeFromNib();
    delegate.applicationDidFinishLaunching();
    auto text = [&](const char* key) {
        return QString::fromStdString(context->strings->text(key));
    };
    const QString later = text("Startmenü Später erinnern");
    // The start-up sync prompt: not now.
    waitFor([] { return openAlert() != nullptr; }, 5000);
    answer(later);

    QWidget* window = delegate.window();
    TabShell& tabs = *delegate.tabBarVC();
    int count = 0;
    bool ok = true;
    // Other screens' one-time hints are answered; the settings hint is shown.
    auto shot = [&](const QString& name) {
        settle();
        ++count;
        if (!name.endsWith("hint"))
            while (openAlert())
                answer();
        if (!only.isEmpty() && !only.contains(name)) return;
        const QString file =
            QString("%1/%2%3-%4.png").arg(out, prefix).arg(count, 2, 10, QChar('0')).arg(name);
        ok = capture(window).save(file) && ok;
        std::cout << file.toStdString() << "\n";
    };

    auto* list = qobject_cast<SearchWidget*>(tabs.stack(kSearchTab)->topWidget());
    if (!list) return 1;
    waitFor([&] { return list->tableModel()->sectionCount() > 0; });
    // Further down the alphabet most rows name their maker too.
    if (list->tableModel()->productCount(1) > 0)
        list->table()->scrollTo(list->tableModel()->productIndex(1, 0),
                                QAbstractItemView::PositionAtTop);
    shot("product-list");

    list->searchField()->setFocus();
    QTest::keyClicks(list->searchField(), "Schoko");
    waitFor([&] { return list->tableModel()->sectionCount() > 0; });
    shot("search");

    // Among the hits (or else the whole list), a product that shows every light.
    auto findDetail = [&]() -> ProductDetailWidget* {
        int tried = 0;
        auto* model = list->tableModel();
        for (int s = 0; s < model->sectionCount() && tried < 600; ++s) {
            const int rows = model->productCount(s);
            for (int r = 0; r < rows && tried < 600; ++r, ++tried) {
                list->chooseRow(s, r);
                settle();
                auto* detail =
                    qobject_cast<ProductDetailWidget*>(tabs.stack(kSearchTab)->topWidget());
                if (detail && showsEveryLight(*detail->model())) return detail;
                if (tabs.stack(kSearchTab)->depth() > 1) tabs.stack(kSearchTab)->pop();
                settle();
            }
        }
        return nullptr;
    };
    ProductDetailWidget* detail = findDetail();
    if (!detail) {
        list->cancelButton()->click();
        settle();
        detail = findDetail();
    }
    if (!detail) {
        std::cerr << "no product with green, yellow and red lights and a star\n";
        return 1;
    }
    shot("product-detail");

    // Turned: the calculator for that product, with a typed portion, and its help page.
    delegate.setDeviceOrientation(DeviceOrientation::LandscapeLeft);
    auto* gda = qobject_cast<ProductDetailsLandscapeWidget*>(delegate.landscapeView());
    if (gda) {
        waitFor([&] { return gda->isVisible(); });
        while (openAlert())
            answer();
        gda->portionField()->setFocus();
        gda->portionField()->selectAll();
        QTest::keyClicks(gda->portionField(), "150");
        QTest::keyClick(gda->portionField(), Qt::Key_Return);
        shot("gda-calculator-landscape");
        delegate.showInfoView({}, DeviceOrientation::LandscapeLeft);
        shot("gda-info-landscape");
    }
    delegate.setDeviceOrientation(DeviceOrientation::Portrait);
    waitFor([&] { return !delegate.landscapeView(); });
    tabs.stack(kSearchTab)->pop();

    tabs.setCurrentIndex(kCategoriesTab);
    auto* categories = qobject_cast<CategoryWidget*>(tabs.stack(kCategoriesTab)->topWidget());
    if (categories) {
        waitFor([&] { return categories->tableModel()->rowCount() > 3; });
        shot("categories");
        emit categories->table()->clicked(categories->tableModel()->index(3, 0));
        shot("category-products");
        tabs.stack(kCategoriesTab)->pop();
    }

    tabs.setCurrentIndex(kSetupTab);
    shot("setup-hint");
    answer();
    shot("setup");

    auto* stack = tabs.stack(kSetupTab);
    auto* setup = qobject_cast<SetupWidget*>(stack->topWidget());
    if (!setup) return 1;
    setup->model().didSelectRow(SetupRowId::Localization);
    shot("language");
    if (auto* languages = qobject_cast<LocalizationWidget*>(stack->topWidget())) {
        emit languages->row(2)->clicked();
        shot("language-chosen");
    }
    stack->pop();
    setup->model().didSelectRow(SetupRowId::TrafficLightInfo);
    shot("help-traffic-lights");
    stack->pop();
    setup->model().didSelectRow(SetupRowId::UsageTips);
    shot("help-usage");
    stack->pop();
    setup->model().infoButtonTapped(SetupRowId::PersonalProfile);
    shot("help-profile-untitled");
    stack->pop();
    setup->model().didSelectRow(SetupRowId::ManageProducts);
    shot("own-products-empty");
    if (auto* own = qobject_cast<ManageProductsWidget*>(stack->topWidget())) {
        own->editAction()->trigger();
        // Two products entered through the form, the second with its salt as sodium.
        struct Entry {
            const char* name;
            const char* maker;
            const char* fat;
            const char* salt;
            bool sodium;
        };
        const Entry entries[] = {{"Haferkekse", "Backstube Lind", "18,5", "0,6", false},
                                 {"Gemüsebrühe", "Hof Sonnleiten", "0,5", "0,35", true}};
        for (const Entry& entry : entries) {
            own->addAction()->trigger();
            auto* form = qobject_cast<AddProductWidget*>(stack->topWidget());
            if (!form) return 1;
            settle();
            auto model = form->model();
            model->setText(ProductField::Name, entry.name);
            model->setText(ProductField::Maker, entry.maker);
            model->selectCategory(std::min(3, model->categoryCount() - 1));
            model->setText(ProductField::Fat, entry.fat);
            model->setText(ProductField::SaturatedFat, "2");
            model->setText(ProductField::Sugar, "21");
            for (int row = 0; row < AddProductVC::saltRowCount(); ++row)
                if ((std::string(AddProductVC::saltRowKey(row)) == "Natrium") == entry.sodium)
                    model->selectSaltRow(row);
            model->setText(ProductField::Salt, entry.salt);
            model->setText(ProductField::Energy, "465");
            model->setText(ProductField::Quantity, "250");
            if (!entry.sodium) {
                model->beginEditing(ProductField::Fat);
                shot("own-product-form");
                model->beginEditing(ProductField::Category);
                shot("own-product-category");
                model->endEditing();
            }
            model->saveRecord();
            settle();
        }
        shot("own-products-editing");
        own->editAction()->trigger();
        shot("own-products");
    }
    stack->pop();
    setup->model().didSelectRow(SetupRowId::PersonalProfile);
    shot("personal-profile");
    if (auto* profile = qobject_cast<PersonalProfileWidget*>(stack->topWidget())) {
        profile->model()->didSelectTableRow(ProfileFigure::ActivityLevel);
        shot("personal-profile-activity");
    }
    stack->pop();

    // The planner: the shown product filed into two folders, the folders, a new one, a
    // folder's products, the amount eaten and the folder's bars.
    tabs.setCurrentIndex(kSearchTab);
    settle();
    for (int s = 0; s < list->tableModel()->sectionCount(); ++s)
        if (list->tableModel()->productCount(s) > 0) {
            list->chooseRow(s, 0);
            break;
        }
    settle();
    if (auto* filed = qobject_cast<ProductDetailWidget*>(tabs.stack(kSearchTab)->topWidget())) {
        filed->favoriteButton()->click();
        CheckPickerView* picker = filed->picker();
        for (int row : {2, 4}) {
            waitFor([&] { return picker->isVisible() && !picker->isScrolling(); });
            QTest::mouseClick(picker, Qt::LeftButton, {}, picker->rowCentre(row));
        }
        waitFor([&] { return !picker->isScrolling(); });
        shot("folder-picker");
        filed->doneAction()->trigger();
        tabs.stack(kSearchTab)->pop();
    }
    tabs.setCurrentIndex(kMenuListTab);
    shot("menu-list-hint");
    answer();
    auto* folders = qobject_cast<MenuFolderWidget*>(tabs.stack(kMenuListTab)->topWidget());
    if (folders) {
        shot("menu-list");
        folders->editAction()->trigger();
        shot("menu-list-editing");
        folders->addAction()->trigger();
        settle();
        if (auto* adding =
                qobject_cast<AddMenuFolderWidget*>(tabs.stack(kMenuListTab)->topWidget())) {
            adding->nameField()->setFocus();
            QTest::keyClicks(adding->nameField(), "Zvieri");
            shot("new-folder");
            adding->doneAction()->trigger();
        }
        settle();
        folders->model()->didSelectRow(0);
        settle();
        if (auto* contents =
                qobject_cast<FavoriteVCFolderNewWidget*>(tabs.stack(kMenuListTab)->topWidget())) {
            shot("folder-contents");
            if (contents->model()->numberOfRows() > 0) {
                contents->model()->didSelectRow(0);
                settle();
                if (auto* editor = qobject_cast<NewEditConsumptionWidget*>(
                        tabs.stack(kMenuListTab)->topWidget())) {
                    // A typed value counts once the field has the focus of an active window.
                    window->activateWindow();
                    if (!QTest::qWaitForWindowActive(window))
                        qWarning("screenshot: window not active");
                    QLineEdit* amount = editor->field(ConsumptionQuantity::Amount);
                    amount->setFocus();
                    amount->selectAll();
                    QTest::keyClicks(amount, "150");
                    QTest::keyClick(amount, Qt::Key_Return);
                    shot("consumption-editor");
                }
                tabs.stack(kMenuListTab)->pop();
            }
            tabs.stack(kMenuListTab)->pop();
        }
        settle();
        folders->editAction()->trigger();
        folders->model()->didSelectRow(0);
        shot("folder-summary");
        shootDiary(tabs, shot);
    }

    // The update, as far as its progress panel: from the given server, a page at a time.
    if (!server.isEmpty() && (only.isEmpty() || only.contains("update-progress"))) {
        tabs.setCurrentIndex(kSearchTab);
        settle();
        if (list->refreshAction()->isEnabled()) list->refreshAction()->trigger();
        settle();
        // A question before the run starts is answered with its go-ahead.
        if (openAlert()) answer(text("Sync starten"));
        const bool shown = waitFor(
            [&] {
                return list->progressPanel()->isVisible() &&
                       !list->progressLabel()->text().isEmpty();
            },
            60000);
        if (!shown) std::cerr << "the update's progress did not show\n";
        shot("update-progress");
        ok = ok && shown;
    }
    return ok ? 0 : 1;
}
