#include "OwnProductsFixture.h"
#include "store/PlannerStore.h"

namespace tolvane::test {

OwnProductFormTest::OwnProductFormTest() {
    catalogue.addCategory(3, "Käse");
    catalogue.addCategory(4, "Süßwaren");
    fake.strings.set("Käse", "Cheese");
    fake.strings.set("Süßwaren", "Sweets");
    catalogue.exec("INSERT INTO sqlite_sequence (name, seq) VALUES ('Products', 900000000)");
    PlannerStore(shared).createMenu_FolderTable();
    PlannerStore(shared).createFavorite_MenufolderTable();
    PlannerStore(shared).createEdit_ConsumptionTable();
}

std::shared_ptr<AddProductVC> OwnProductFormTest::openForm(const std::string& productId,
                                                           int count) {
    auto form = std::make_shared<AddProductVC>(fake.platform(), shared, navigation, productId,
                                               count, [this] { ++listsToReread; });
    navigation.push(form);
    form->viewWillAppear();
    fake.dispatcher.advance(0.05);
    return form;
}

void OwnProductFormTest::fill(AddProductVC& form, const ProductEntry& entry) {
    form.setText(ProductField::Name, entry.name);
    form.setText(ProductField::Maker, entry.maker);
    for (int row = 0; row < form.categoryCount(); ++row)
        if (form.categoryTitle(row) == entry.category) form.selectCategory(row);
    form.setText(ProductField::Fat, entry.fat);
    form.setText(ProductField::SaturatedFat, entry.saturatedFat);
    form.setText(ProductField::Sugar, entry.sugar);
    form.selectSaltRow(entry.saltRow);
    form.setText(ProductField::Salt, entry.salt);
    form.setText(ProductField::Energy, entry.energy);
    form.setText(ProductField::Quantity, entry.quantity);
    form.setUnitSegment(entry.unitSegment);
}

std::string OwnProductFormTest::addProduct(const ProductEntry& entry, int count) {
    auto form = openForm({}, count);
    fill(*form, entry);
    form->saveRecord();
    EXPECT_FALSE(fake.alerts.hasPending());
    return catalogue.value("SELECT max(RecordId) FROM Products");
}

std::string OwnProductFormTest::column(const std::string& column, const std::string& recordId) {
    return catalogue.value("SELECT " + column + " FROM Products WHERE RecordId = " + recordId);
}

std::string OwnProductFormTest::mirrorColumn(const std::string& column,
                                             const std::string& recordId) {
    return catalogue.value("SELECT " + column + " FROM ProductsTable WHERE recordId = " + recordId);
}

int OwnProductFormTest::count(const std::string& table) {
    return std::stoi(catalogue.value("SELECT count(*) FROM " + table));
}

} // namespace tolvane::test
