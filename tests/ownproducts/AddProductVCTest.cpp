#include "OwnProductsFixture.h"
#include "store/CatalogueStore.h"
#include "store/OwnProductStore.h"
#include "store/PlannerStore.h"

using namespace tolvane;
using namespace tolvane::test;

namespace {

using F = ProductField;

// The messages of the alerts shown.
std::vector<std::string> messages(const FakePlatform& fake) {
    std::vector<std::string> out;
    for (const AlertRequest& alert : fake.alerts.shown())
        out.push_back(alert.message);
    return out;
}
using Messages = std::vector<std::string>;

TEST_F(OwnProductFormTest, NewProductIsStoredMirroredAndLinked) {
    shared.keepCategoryFigures("4", {1, 2, 3, 4, 5}, shared.catalogueGeneration());
    const std::string id = addProduct({.name = "Mü|sli",
                                       .maker = "|Mühle",
                                       .fat = "12,3",
                                       .salt = "1.5",
                                       .energy = "380",
                                       .quantity = "500| g",
                                       .unitSegment = 1},
                                      3);
    EXPECT_EQ(id, "900000001");
    EXPECT_EQ(navigation.pops(), 1);
    EXPECT_EQ(listsToReread, 1);
    EXPECT_FALSE(shared.categoryFigures("4")); // the detail's kept means are dropped
    EXPECT_EQ(catalogue.value("SELECT Produktname || '|' || Hersteller || '|' || Produktmenge || "
                              "'|' || Kategorie || '|' || Fett || '|' || GesFette || '|' || "
                              "Natrium || '|' || Einheit || '|' || SalzOrNatrium || '|' || "
                              "Sentfield || '|' || Sortorder || '|' || MainTableRecordId "
                              "FROM Products WHERE RecordId = " +
                              id),
              "Müsli|Mühle|500 g|4|12,3||1.50|ml|1|0|3|" + id);
    const ProductRecord mirrored{
        "Müsli", id, "Mühle", "4", "0", {"12,3", "", "", "1.50", "380"}, "ml", "500 g"};
    EXPECT_EQ(CatalogueStore(shared).selectProductDetail(ProductId::of(id)), mirrored);
}

TEST_F(OwnProductFormTest, SaltEnteredAsSodiumIsShownAsSodiumAndSavedBack) {
    const std::string id = addProduct({.saltRow = kSodiumRow, .salt = "1,0"});
    EXPECT_EQ(column("Natrium", id), "2,54");
    EXPECT_EQ(column("SalzOrNatrium", id), "0");
    EXPECT_EQ(mirrorColumn("field15", id), "2,54");

    // Shown as sodium: stored salt / 2.54, keeping the comma.
    auto form = openForm(id, 1);
    EXPECT_EQ(form->text(F::Salt), "1,00");
    EXPECT_EQ(form->saltRow(), kSodiumRow);
    EXPECT_EQ(form->text(F::SaltUnit), "Natrium");
    form->saveRecord();
    EXPECT_EQ(column("Natrium", id), "2,54");

    // Only the row changed: the shown figure is now salt.
    form = openForm(id, 1);
    form->selectSaltRow(kSaltRow);
    form->saveRecord();
    EXPECT_EQ(column("Natrium", id), "1,00");
    EXPECT_EQ(column("SalzOrNatrium", id), "1");
    EXPECT_EQ(mirrorColumn("field15", id), "1,00");

    // Back to sodium, the stored salt typed over it and switched to salt: kept as typed.
    form = openForm(id, 1);
    form->selectSaltRow(kSodiumRow);
    form->setText(F::Salt, "2,54");
    form->selectSaltRow(kSaltRow);
    form->saveRecord();
    EXPECT_EQ(column("Natrium", id), "2,54");
}

TEST_F(OwnProductFormTest, BothValidationAlertsInOneSaveAndNothingStored) {
    auto form = openForm();
    EXPECT_STREQ(form->titleKey(), "Neues Produkt hinzufügen");
    fill(*form, {.name = "|", .fat = "12.34"});
    form->saveRecord();
    EXPECT_EQ(messages(fake),
              (Messages{AddProductVC::requiredFieldsKey(), AddProductVC::decimalPlacesKey()}));
    EXPECT_EQ(fake.alerts.shown()[0].title, "");
    EXPECT_EQ(fake.alerts.shown()[1].title, "Fett"); // names the field
    EXPECT_EQ(fake.alerts.shown()[1].buttons, std::vector<std::string>{"OK"});
    EXPECT_EQ(count("Products"), 0);
    EXPECT_EQ(navigation.pops(), 0);
    // The form keeps what was typed.
    EXPECT_EQ(form->text(F::Fat), "12.34");

    fake.alerts.clear();
    form->setText(F::Fat, "12,3");
    form->setText(F::Salt, "1,234");
    form->setText(F::Name, "Riegel");
    form->saveRecord();
    EXPECT_EQ(messages(fake), Messages{AddProductVC::decimalPlacesKey()});
    EXPECT_EQ(fake.alerts.shown()[0].title, AddProductVC::saltRowKey(form->saltRow()));

    // Done on the category wheel left unturned takes the highlighted first category.
    auto fresh = openForm();
    fresh->beginEditing(F::Category);
    fresh->endEditing();
    EXPECT_EQ(fresh->categoryRow(), 0);
    EXPECT_EQ(fresh->text(F::Category), fresh->categoryTitle(0));
}

TEST_F(OwnProductFormTest, OnlyNameMakerAndCategorySavesEmptyTextsAndGrams) {
    const std::string id = addProduct({});
    EXPECT_EQ(catalogue.value("SELECT Fett || GesFette || Zucker || Natrium || Energiewert || "
                              "Produktmenge FROM Products"),
              "");
    EXPECT_EQ(column("Einheit", id), "g");
}

TEST_F(OwnProductFormTest, FailedInsertsKeepTheFormOpenAndWriteNothing) {
    catalogue.exec("ALTER TABLE Products RENAME TO ProductsGone");
    auto form = openForm();
    fill(*form, {.fat = "1"});
    form->saveRecord();
    EXPECT_EQ(messages(fake), Messages{AddProductVC::saveFailedKey()});
    EXPECT_EQ(count("ProductsTable"), 0);
    EXPECT_EQ(form->text(F::Name), "Müsli");

    // The mirror row refused: the product is undone too.
    catalogue.exec("ALTER TABLE ProductsGone RENAME TO Products");
    catalogue.exec("CREATE TRIGGER refuse BEFORE INSERT ON ProductsTable BEGIN "
                   "SELECT RAISE(ABORT, 'full'); END");
    fake.alerts.clear();
    form->saveRecord();
    EXPECT_EQ(messages(fake), Messages{AddProductVC::saveFailedKey()});
    EXPECT_EQ(navigation.pops(), 0);
    EXPECT_EQ(count("Products"), 0);
    EXPECT_EQ(count("ProductsTable"), 0);

    // Once the catalogue takes rows again the same form saves.
    catalogue.exec("DROP TRIGGER refuse");
    fake.alerts.clear();
    form->saveRecord();
    EXPECT_FALSE(fake.alerts.hasPending());
    EXPECT_EQ(count("Products"), 1);
    EXPECT_EQ(count("ProductsTable"), 1);
}

TEST_F(OwnProductFormTest, EditingAProductInTwoFoldersLowersBothTotalsAndRemovesIt) {
    const std::string id = addProduct({.energy = "200"});
    OwnProductStore(shared).updateProductSentFieldForId(OwnProductId::of(id));
    PlannerStore(shared).insertIntoMenuFolder("0", "Frühstück", "500", FolderId{1}, "0");
    // An energy typo filed before: the total beyond 32 bits, the other items' 220 in it.
    PlannerStore(shared).insertIntoMenuFolder("1", "Abend", "100000000219", FolderId{2}, "0");
    PlannerStore(shared).insertIntoMenuFolder("2", "Leer", "90", FolderId{3}, "0");
    // Product, calories, folder: Müsli in folders 1 and 2, another product in folder 3.
    for (const auto& [product, kcal, folder] :
         {std::tuple{id, "120", "1"}, {id, "99999999999", "2"}, {std::string("77"), "90", "3"}}) {
        PlannerStore(shared).newUpdateIntoEditConsumptionTable(
            ProductId::of(product), "", "", "4", "", "", "", "", "", kcal, FolderId::of(folder));
        if (product == id)
            PlannerStore(shared).insertIntoFavorite_Menulistfolder(ProductId::of(id),
                                                                   FolderId::of(folder));
    }

    auto form = openForm(id, 1);
    EXPECT_STREQ(form->titleKey(), "Produkt bearbeiten");
    EXPECT_EQ(form->text(F::Maker), "Mühle");
    EXPECT_EQ(form->text(F::Category), "Sweets");
    form->setText(F::Maker, "Neue Mühle");
    form->setText(F::Quantity, "330");
    form->setUnitSegment(1);
    form->saveRecord();

    EXPECT_EQ((std::vector{PlannerStore(shared).selectCaloryValueForUpdation(FolderId{1}),
                           PlannerStore(shared).selectCaloryValueForUpdation(FolderId{2}),
                           PlannerStore(shared).selectCaloryValueForUpdation(FolderId{3})}),
              (std::vector<std::string>{"380", "220", "90"}));
    EXPECT_TRUE(PlannerStore(shared).selectFolderIdFromProductID(ProductId::of(id)).empty());
    EXPECT_EQ(count("Favorite_Menufolder"), 0);
    EXPECT_EQ(count("edit_product_consumption"), 1);
    EXPECT_EQ(OwnProductStore(shared).selectProductForId(OwnProductId::of(id)),
              (OwnProductRecord{
                  "Müsli", "Neue Mühle", "4", {"", "", "", "", "200"}, "1", "ml", "1", "330"}));
    EXPECT_EQ(
        CatalogueStore(shared).selectProductDetail(ProductId::of(id)),
        (ProductRecord{"Müsli", id, "Neue Mühle", "4", "0", {"", "", "", "", "200"}, "ml", "330"}));
    EXPECT_TRUE(OwnProductStore(shared)
                    .selectProductsForCsv()
                    .empty()); // an uploaded product stays uploaded
}

TEST_F(OwnProductFormTest, AnEditRefusedAnywhereChangesNothingAndKeepsTheFormOpen) {
    const std::string id = addProduct({.energy = "250"});
    PlannerStore(shared).insertIntoMenuFolder("0", "Frühstück", "250", FolderId{1}, "0");
    PlannerStore(shared).newUpdateIntoEditConsumptionTable(ProductId::of(id), "", "", "4", "", "",
                                                           "", "", "", "250", FolderId{1});
    PlannerStore(shared).insertIntoFavorite_Menulistfolder(ProductId::of(id), FolderId{1});
    const auto stored = [&] {
        return catalogue.value(
            "SELECT (SELECT Produktname || Energiewert FROM Products) || (SELECT field01 || "
            "field10 FROM ProductsTable) || (SELECT field2 FROM Menu_Folder) || (SELECT count(*) "
            "FROM Favorite_Menufolder) || (SELECT count(*) FROM edit_product_consumption)");
    };
    const std::string before = stored();
    ASSERT_EQ(before, "Müsli250Müsli25025011");
    // A name over the statement limit, then each later write refused in turn.
    const auto refuse = [](const char* when) {
        return std::string("CREATE TRIGGER refuse ") + when +
               " BEGIN SELECT RAISE(ABORT, 'refused'); END";
    };
    const std::pair<std::string, std::string> failures[] = {
        {std::string(4800, 'M'), ""},
        {"Granola", refuse("BEFORE UPDATE ON ProductsTable")},
        {"Granola", refuse("BEFORE UPDATE ON Menu_Folder")},
        {"Granola", refuse("BEFORE DELETE ON edit_product_consumption")},
        {"Granola", refuse("BEFORE DELETE ON Favorite_Menufolder")},
    };
    for (const auto& [name, trigger] : failures) {
        if (!trigger.empty()) catalogue.exec(trigger);
        auto form = openForm(id, 1);
        form->setText(F::Name, name);
        form->setText(F::Energy, "300");
        fake.alerts.clear();
        const int pops = navigation.pops();
        form->saveRecord();
        EXPECT_EQ(messages(fake), Messages{AddProductVC::changesNotSavedKey()}) << trigger;
        EXPECT_EQ(navigation.pops(), pops);
        EXPECT_EQ(form->text(F::Name), name);
        EXPECT_EQ(stored(), before) << trigger;
        if (!trigger.empty()) catalogue.exec("DROP TRIGGER refuse");
    }
}

TEST_F(OwnProductFormTest, EditingWithABrokenLinkRepairsItAndChangesTheCatalogueRow) {
    const std::string id = addProduct({});
    catalogue.exec("UPDATE Products SET MainTableRecordId = '-1'");
    auto form = openForm(id, 1);
    form->setText(F::Name, "Granola");
    form->saveRecord();
    EXPECT_EQ(column("MainTableRecordId", id), id);
    EXPECT_EQ(mirrorColumn("field01", id), "Granola");

    // A mirror row that never came to be is written.
    catalogue.remove(900000001);
    catalogue.exec("UPDATE Products SET MainTableRecordId = NULL");
    form = openForm(id, 1);
    form->setText(F::Energy, "410");
    form->saveRecord();
    EXPECT_EQ(mirrorColumn("field10", id), "410");
    EXPECT_EQ(count("ProductsTable"), 1);
}

TEST_F(OwnProductFormTest, ProductDeletedWhileOpenIsNotWrittenBack) {
    const std::string id = addProduct({});
    auto form = openForm(id, 1);
    catalogue.exec("DELETE FROM Products");
    catalogue.remove(std::stoi(id));
    form->saveRecord();
    EXPECT_EQ(messages(fake), Messages{AddProductVC::changesNotSavedKey()});
    EXPECT_EQ(count("ProductsTable"), 0);
}

TEST_F(OwnProductFormTest, EmptyStoredUnitSelectsDrinkAndFormSurvivesAnotherTab) {
    const std::string id = addProduct({});
    catalogue.exec("UPDATE Products SET Einheit = ''");
    auto form = openForm(id, 1);
    EXPECT_EQ(form->unitSegment(), 1);
    form->setText(F::Name, "Getippt");
    form->viewWillDisappear();
    form->viewWillAppear();
    fake.dispatcher.advance(1);
    EXPECT_EQ(form->text(F::Name), "Getippt");
}

TEST_F(OwnProductFormTest, EscapeAsksOnlyWhenTheFormDiffersFromHowItOpened) {
    const std::string id = addProduct({.fat = "3"});
    const int pops = navigation.pops();
    // A stored product shown unchanged, a form that came with a scanned code: Escape leaves.
    auto form = openForm(id, 1);
    EXPECT_TRUE(form->backKeyPressed());
    auto scanned =
        AddProductVC::withBarcode(fake.platform(), shared, navigation, {}, "4006381333931");
    scanned->viewWillAppear();
    EXPECT_TRUE(scanned->backKeyPressed());
    EXPECT_EQ(navigation.pops(), pops + 2);
    EXPECT_TRUE(fake.alerts.shown().empty());

    // A value typed and typed back is no change; another salt unit is.
    form = openForm(id, 1);
    form->setText(F::Fat, "4");
    form->setText(F::Fat, "3");
    EXPECT_FALSE(form->hasChanges());
    form->selectSaltRow(kSodiumRow);
    EXPECT_TRUE(form->backKeyPressed());
    EXPECT_TRUE(form->backKeyPressed()); // asked once, however often Escape comes
    ASSERT_EQ(fake.alerts.shown().size(), 1u);
    const AlertRequest& question = fake.alerts.firstPending();
    EXPECT_EQ(question.message, AddProductVC::discardQuestionKey());
    EXPECT_EQ(question.buttons, (std::vector<std::string>{AddProductVC::discardKey(),
                                                          AddProductVC::keepEditingKey()}));
    EXPECT_EQ(question.escapeButton, 1);
    fake.alerts.answer(1); // keep editing
    EXPECT_EQ(navigation.pops(), pops + 2);
    EXPECT_EQ(form->saltRow(), kSodiumRow);
    form->backKeyPressed();
    fake.alerts.answer(0); // discard: the form goes, the stored product is as it was
    EXPECT_EQ(navigation.pops(), pops + 3);
    EXPECT_EQ(column("SalzOrNatrium", id), "1");
    EXPECT_EQ(column("Fett", id), "3");
}

} // namespace
