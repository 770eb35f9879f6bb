// The scan button's screen: the camera view with a frame to aim at or, without a camera, a
// picture chosen with the file dialog or dropped onto the window; and what a barcode read there
// leads to. It owns no thread: the widget's BarcodeScanner decodes frames and its PictureReader
// reads pictures, and they hand every outcome to codeRead() (or pictureUnreadable()) on the UI
// thread.
#pragma once

#include "barcode/BarcodeReader.h"
#include "catalogue/CatalogueService.h"
#include "platform/Keys.h"
#include "platform/Navigation.h"
#include "platform/Platform.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tolvane {

class Database;

class ScanVC : public Screen {
public:
    // Gone: the catalogue held the code, but its product could not be opened (removed meanwhile).
    // Unreadable: the catalogue could not be read, so the code cannot be said to be unknown.
    // Listed: several products carry the code; the product list shows them, this screen is left.
    enum class State {
        Aiming,
        ReadingPicture,
        PictureUnreadable,
        NoCode,
        NotInCatalogue,
        Gone,
        Unreadable,
        Opened,
        Listed
    };

    // openProduct opens the product with this record id as a tap on its row does, and says
    // whether it could; listProducts shows the products with this code as it typed into the
    // search field shows them. picturePath: a dropped picture to read instead of the camera's
    // frames.
    ScanVC(Platform platform, Database& shared, CatalogueService& catalogue, Navigation& navigation,
           std::function<bool(const std::string& recordId)> openProduct,
           std::function<void(const std::string& code)> listProducts, std::string picturePath = {});

    static const char* titleKey() { return key("Scan a barcode"); }
    static const char* choosePictureKey() { return key("Choose a picture"); }
    static const char* ownProductKey() { return key("Enter as own product"); }

    void setListener(std::function<void()> changed) { changed_ = std::move(changed); }

    const std::string& picturePath() const { return picturePath_; }
    State state() const { return state_; }
    // The code last read, as printed under its bars.
    const std::string& code() const { return code_; }
    // The line under the view: where to aim, the picture being read or unreadable, no code in it,
    // the code unknown, its product gone, or the catalogue unreadable.
    const char* messageKey() const;
    bool ownProductButtonShown() const { return state_ == State::NotInCatalogue; }

    // Back on the screen (from the product opened or the form): ready for the next code.
    void viewWillAppear();
    // A picture chosen or dropped is being read, or could not be read (no picture file, or
    // one that is not there or too large).
    void pictureReading();
    void pictureUnreadable();
    // The picture dialog opens where a picture was last chosen with it (empty before any was);
    // choosing one there remembers its folder.
    std::string pictureFolder() const;
    void pictureChosen(const std::string& path);
    // A frame or picture was decoded. A camera frame without a code is only the next try; a
    // picture without one says so. A code several products carry lists them. Codes read after a
    // product was opened wait for the return; after any other outcome the screen goes on reading
    // them.
    void codeRead(const std::optional<ScannedCode>& code, bool fromPicture);
    // The own product form with the code filled in, for a code the catalogue does not have.
    void enterOwnProduct();

private:
    void show(State state);
    // The one row of rows that is an own product; nothing when none or several are.
    std::optional<std::uint32_t> ownProductRow(const PackedRows& list,
                                               const std::vector<std::uint32_t>& rows);

    Platform platform_;
    Database& shared_;
    CatalogueService& catalogue_;
    Navigation& navigation_;
    std::function<bool(const std::string&)> openProduct_;
    std::function<void(const std::string&)> listProducts_;
    std::string picturePath_;
    std::function<void()> changed_;
    State state_ = State::Aiming;
    std::string code_;
};

} // namespace tolvane
