#include "screens/ownproducts/ManageProductsVC.h"

#include "nutrition/NumberText.h"
#include "screens/detail/ProductDetail.h"
#include "screens/filing/PlannerWrites.h"
#include "screens/ownproducts/AddProductVC.h"
#include "screens/ownproducts/MirrorLink.h"
#include "store/CatalogueStore.h"
#include "store/Database.h"
#include "store/OwnProductStore.h"

namespace tolvane {

ManageProductsVC::ManageProductsVC(Platform platform, Database& shared, Navigation& navigation,
                                   DetailHost host, std::function<void()> ownProductsChanged)
    : platform_(platform), shared_(shared), navigation_(navigation), host_(std::move(host)),
      ownProductsChanged_(std::move(ownProductsChanged)) {}

ManageProductsVC::~ManageProductsVC() = default;

const char* ManageProductsVC::helpTextKey() {
    return key("Sie können hier Ihre eigenen Produkte und deren Werte einfügen. Bitte drücken Sie "
               "den Bearbeiten-Knopf und dann Plus (+). Produkte können jederzeit nachträglich "
               "angepasst oder gelöscht werden.");
}

const char* ManageProductsVC::deleteFailedKey() {
    return key("Das Produkt konnte nicht gelöscht werden. Bitte versuchen Sie es noch einmal.");
}

const char* ManageProductsVC::editButtonKey() const {
    return isEditing_ ? key("Fertig") : key("Bearbeiten");
}

const ListRow& ManageProductsVC::row(int index) const {
    static const ListRow none;
    if (index < 0 || index >= numberOfRows()) return none;
    return productsArray_[static_cast<std::size_t>(index)];
}

void ManageProductsVC::viewWillAppear() {
    platform_.appDefaults().setManageProductAddBtnClicked(false);
    loadProducts();
    changed();
}

void ManageProductsVC::loadProducts() {
    // Name order until the user first moves a row.
    productsArray_ = platform_.appDefaults().manageProductsReArranged()
                         ? OwnProductStore(shared_).selectProductsBySortOrder()
                         : OwnProductStore(shared_).selectProductsSortByProductName();
    // A row without its identifier cannot be opened, moved or deleted.
    std::erase_if(productsArray_, [](const ListRow& row) { return row.recordId.empty(); });
}

void ManageProductsVC::viewWillDisappear() {
    Database& db = shared_;
    // The order is stored whole or not at all.
    db.runInCheckedTransaction([&] {
        for (std::size_t i = 0; i < productsArray_.size(); ++i)
            OwnProductStore(db).updateProductOrderForId(
                formatInt(static_cast<long long>(i)), OwnProductId::of(productsArray_[i].recordId));
        return true;
    });
}

void ManageProductsVC::editButtonClicked() {
    isEditing_ = !isEditing_;
    revealedRow_ = -1;
    changed();
}

void ManageProductsVC::addButtonClicked() {
    if (!isEditing_) return;
    platform_.appDefaults().setManageProductAddBtnClicked(true);
    openForm({});
}

void ManageProductsVC::openForm(const std::string& productId) {
    navigation_.push(std::make_shared<AddProductVC>(platform_, shared_, navigation_, productId,
                                                    numberOfRows(), ownProductsChanged_),
                     backTitleKey());
}

void ManageProductsVC::didSelectRow(int index) {
    if (index < 0 || index >= numberOfRows()) return;
    if (revealedRow_ >= 0) { // a tap beside a revealed Delete button takes it away
        revealedRow_ = -1;
        changed();
        return;
    }
    const std::string recordId = row(index).recordId;
    platform_.appDefaults().setManageProductProductId(recordId);
    platform_.appDefaults().setIsEditing(isEditing_);
    if (isEditing_) {
        openForm(recordId);
        return;
    }
    const auto product = CatalogueStore(shared_).selectProductDetail(
        mirrorRecordId(shared_, OwnProductId::of(recordId)));
    if (!product) {
        platform_.log.write("Own product " + recordId + " has no catalogue row");
        return;
    }
    auto detail = std::make_shared<ProductDetail>(platform_, shared_, host_);
    detail->setFromScreen("ManageProducts");
    // Its "Gegessen" logs the own product on this stack, as from any detail.
    detail->setNavigation(&navigation_);
    detail->drawData(*product);
    navigation_.push(detail, backTitleKey());
}

void ManageProductsVC::deleteKeyClicked(int index) {
    if (!isEditing_ || index < 0 || index >= numberOfRows()) return;
    revealedRow_ = revealedRow_ == index ? -1 : index;
    changed();
}

bool ManageProductsVC::backKeyPressed() {
    if (revealedRow_ < 0) return false;
    revealedRow_ = -1;
    changed();
    return true;
}

void ManageProductsVC::deleteRow(int index) {
    if (index < 0 || index >= numberOfRows() || index != revealedRow_) return;
    revealedRow_ = -1;
    const std::string recordId = row(index).recordId;
    const PlannerWrites::Filed filed =
        PlannerWrites(shared_).filedIn(mirrorRecordId(shared_, OwnProductId::of(recordId)));
    if (filed.folders == 0) {
        deleteProduct(recordId);
        return;
    }
    // A filed product leaves its folders with it: the user hears first what they lose.
    const std::string question =
        replaceAll(replaceAll(platform_.strings.text(deleteFiledQuestionKey()), "%d",
                              formatInt(static_cast<long long>(filed.folders))),
                   "%@", filed.calories);
    std::weak_ptr<int> alive = alive_;
    platform_.alerts.show({"", question, {key("Ja"), key("Nein")}, 1},
                          [this, alive, recordId](int button) {
                              if (alive.lock() && button == 0) deleteProduct(recordId);
                          });
    changed();
}

void ManageProductsVC::deleteProduct(const std::string& recordId) {
    shared_.catalogueChanged();
    Database& db = shared_;
    // Neither row goes without the other: an own product without its catalogue row could no
    // longer be opened, a catalogue row without its own product no longer deleted. Its folder
    // rows go first, while the product still stands behind them.
    const bool deleted = db.runInCheckedTransaction([&] {
        const ProductId mirror = mirrorRecordId(db, OwnProductId::of(recordId));
        if (!PlannerWrites(db).removeFavorite(mirror)) return false;
        CatalogueStore(db).deleteProductFromMainTable(mirror);
        OwnProductStore(db).deleteProduct(OwnProductId::of(recordId));
        return true;
    });
    if (!deleted) {
        platform_.log.write("Own product " + recordId + " not deleted");
        platform_.alerts.show({"", deleteFailedKey(), {key("OK")}});
        return;
    }
    if (ownProductsChanged_) ownProductsChanged_();
    std::erase_if(productsArray_, [&](const ListRow& row) { return row.recordId == recordId; });
    if (productsArray_.empty()) platform_.appDefaults().setManageProductsReArranged(false);
    changed();
}

void ManageProductsVC::moveRow(int from, int to) {
    if (from < 0 || from >= numberOfRows() || to < 0 || to >= numberOfRows() || from == to) return;
    revealedRow_ = -1;
    platform_.appDefaults().setManageProductsReArranged(true);
    auto moved = productsArray_[static_cast<std::size_t>(from)];
    productsArray_.erase(productsArray_.begin() + from);
    productsArray_.insert(productsArray_.begin() + to, std::move(moved));
    changed();
}

void ManageProductsVC::changed() {
    if (listener_) listener_->listChanged();
}

} // namespace tolvane
