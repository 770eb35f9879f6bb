#include "screens/browse/ScanVC.h"

#include "screens/ownproducts/AddProductVC.h"
#include "store/Database.h"
#include "store/OwnProductStore.h"

namespace tolvane {

ScanVC::ScanVC(Platform platform, Database& shared, CatalogueService& catalogue,
               Navigation& navigation, std::function<bool(const std::string&)> openProduct,
               std::function<void(const std::string&)> listProducts, std::string picturePath)
    : platform_(platform), shared_(shared), catalogue_(catalogue), navigation_(navigation),
      openProduct_(std::move(openProduct)), listProducts_(std::move(listProducts)),
      picturePath_(std::move(picturePath)) {}

const char* ScanVC::messageKey() const {
    switch (state_) {
    case State::ReadingPicture:
        return key("Bild wird gelesen …");
    case State::PictureUnreadable:
        return key("Dieses Bild lässt sich nicht lesen");
    case State::NoCode:
        return key("No barcode found in this picture");
    case State::NotInCatalogue:
        return key("not in the catalogue");
    case State::Gone:
        return key("This product cannot be opened");
    case State::Unreadable:
        return key("The catalogue cannot be read just now");
    case State::Aiming:
    case State::Opened:
    case State::Listed:
        break;
    }
    return key("Aim at the barcode");
}

void ScanVC::viewWillAppear() {
    if (state_ == State::Opened || state_ == State::Listed) show(State::Aiming);
}

void ScanVC::pictureReading() {
    if (state_ != State::Opened && state_ != State::Listed) show(State::ReadingPicture);
}

std::string ScanVC::pictureFolder() const {
    return platform_.appDefaults().pictureFolder();
}

void ScanVC::pictureChosen(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return;
    platform_.appDefaults().setPictureFolder(slash == 0 ? "/" : path.substr(0, slash));
}

void ScanVC::pictureUnreadable() {
    if (state_ != State::Opened && state_ != State::Listed) show(State::PictureUnreadable);
}

void ScanVC::codeRead(const std::optional<ScannedCode>& code, bool fromPicture) {
    if (state_ == State::Opened || state_ == State::Listed) return;
    if (!code) {
        if (fromPicture) show(State::NoCode);
        return;
    }
    // A camera keeps seeing the code it has said is unknown or gone: nothing new to show.
    if (!fromPicture && (state_ == State::NotInCatalogue || state_ == State::Gone) &&
        code->digits == code_)
        return;
    code_ = code->digits;
    catalogue_.awaitList();
    const HeldList& held = catalogue_.heldList();
    const auto rows = held.barcodes->rowsWith(code->gtin.value);
    if (rows.empty()) {
        show(held.state == ListState::Ready ? State::NotInCatalogue : State::Unreadable);
        return;
    }
    if (rows.size() > 1) {
        // The user's own product with a code the catalogue also brought is the one they meant.
        if (const auto own = ownProductRow(*held.rows, rows)) {
            show(openProduct_(held.rows->recordId(*own)) ? State::Opened : State::Gone);
            return;
        }
        // Which one is meant only the user knows: the list shows them all, as for the code typed.
        show(State::Listed);
        const auto listProducts = listProducts_;
        const std::string digits = code_;
        navigation_.pop(); // may let go of this screen
        listProducts(digits);
        return;
    }
    // Opened only once it is: a product removed meanwhile leaves the screen reading codes.
    show(openProduct_(held.rows->recordId(rows.front())) ? State::Opened : State::Gone);
}

std::optional<std::uint32_t> ScanVC::ownProductRow(const PackedRows& list,
                                                   const std::vector<std::uint32_t>& rows) {
    std::optional<std::uint32_t> own;
    for (const std::uint32_t row : rows) {
        if (!OwnProductStore(shared_).selectProductIdForMainTableId(
                ProductId::of(list.recordId(row))))
            continue;
        if (own) return std::nullopt; // two of the user's own: the list lets them choose
        own = row;
    }
    return own;
}

void ScanVC::enterOwnProduct() {
    navigation_.push(AddProductVC::withBarcode(
                         platform_, shared_, navigation_,
                         [catalogue = &catalogue_] { catalogue->ownProductsChanged(); }, code_),
                     titleKey());
    show(State::Opened);
}

void ScanVC::show(State state) {
    state_ = state;
    if (changed_) changed_();
}

} // namespace tolvane
