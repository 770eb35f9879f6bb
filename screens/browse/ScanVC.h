// The scan button's screen: the camera view with a frame to aim at or, without a camera, a
// picture chosen with the file dialog or dropped onto the window; and what a barcode read there
// leads to. It owns no thread: the widget's BarcodeScanner decodes and hands every outcome to
// codeRead() on the UI thread.
#pragma once

#include "barcode/BarcodeReader.h"
#include "catalogue/CatalogueService.h"
#include "platform/Keys.h"
#include "platform/Navigation.h"
#include "platform/Platform.h"

#include <functional>
#include <optional>
#include <string>

namespace tolvane {

class Database;

class ScanVC : public Screen {
public:
    enum class State { Aiming, NoCode, NotInCatalogue, Opened };

    // openProduct opens the product with this record id as a tap on its row does. picturePath: a
    // dropped picture to read instead of the camera's frames.
    ScanVC(Platform platform, Database& shared, CatalogueService& catalogue, Navigation& navigation,
           std::function<void(const std::string& recordId)> openProduct,
           std::string picturePath = {});

    static const char* titleKey() { return key("Scan a barcode"); }
    static const char* choosePictureKey() { return key("Choose a picture"); }
    static const char* ownProductKey() { return key("Enter as own product"); }

    void setListener(std::function<void()> changed) { changed_ = std::move(changed); }

    const std::string& picturePath() const { return picturePath_; }
    State state() const { return state_; }
    // The code last read, as printed under its bars.
    const std::string& code() const { return code_; }
    // The line under the view: where to aim, no code in the picture, or the code unknown.
    const char* messageKey() const;
    bool ownProductButtonShown() const { return state_ == State::NotInCatalogue; }

    // Back on the screen (from the product opened or the form): ready for the next code.
    void viewWillAppear();
    // A frame or picture was decoded. A camera frame without a code is only the next try; a
    // picture without one says so. Codes read after a product was opened wait for the return.
    void codeRead(const std::optional<ScannedCode>& code, bool fromPicture);
    // The own product form, for a code the catalogue does not have.
    void enterOwnProduct();

private:
    void show(State state);

    Platform platform_;
    Database& shared_;
    CatalogueService& catalogue_;
    Navigation& navigation_;
    std::function<void(const std::string&)> openProduct_;
    std::string picturePath_;
    std::function<void()> changed_;
    State state_ = State::Aiming;
    std::string code_;
};

} // namespace tolvane
