// A catalogue file with the application's tables, categories and own-product ids from
// 900000001 as in the shipped file, and helpers that fill the form as a user would.
#pragma once

#include "nutrition/OwnProductRules.h"
#include "platform/Navigation.h"
#include "platform/Platform.h"
#include "screens/ownproducts/AddProductVC.h"
#include "store/Database.h"
#include "tests/support/TestCatalogue.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace tolvane::test {

struct ProductEntry {
    std::string name = "Müsli";
    std::string maker = "Mühle";
    std::string category = "Sweets"; // the shown category text
    std::string fat{};
    std::string saturatedFat{};
    std::string sugar{};
    int saltRow = kSaltRow;
    std::string salt{};
    std::string energy{};
    std::string quantity{};
    int unitSegment = 0;
};

class OwnProductFormTest : public ::testing::Test {
protected:
    OwnProductFormTest();

    std::shared_ptr<AddProductVC> openForm(const std::string& productId = {}, int count = 0);
    static void fill(AddProductVC& form, const ProductEntry& entry);
    // Enters and saves a new product; its RecordId.
    std::string addProduct(const ProductEntry& entry, int count = 0);
    std::string column(const std::string& column, const std::string& recordId);
    std::string mirrorColumn(const std::string& column, const std::string& recordId);
    int count(const std::string& table);

    FakePlatform fake;
    TestCatalogue catalogue;
    Database shared{catalogue.path(), fake.log};
    FakeNavigation navigation;
    // Times the screens told the catalogue service that own products changed.
    int listsToReread = 0;
};

} // namespace tolvane::test
