// One product as traffic lights: header row, one row per nutrient, the sales portion, and the
// favourites button; below them the whole nutrition table and better choices of the category.
// Turning the device hands the product to the landscape calculator.
//
// Threads: everything here runs on the UI thread except what scans the whole category: the
// category means and the search for better choices, read by the screen's CategoryComparison on
// its worker. The values show at once; the "top" lights once the means come, the choices once
// they are found. Destroying the screen stops the comparison's worker first.
#pragma once

#include "nutrition/CategoryMeans.h"
#include "platform/Keys.h"
#include "platform/Navigation.h"
#include "platform/Platform.h"
#include "screens/detail/CategoryComparison.h"
#include "screens/detail/DetailHost.h"
#include "screens/detail/FactRows.h"
#include "screens/filing/CheckPickerViewDelegate.h"
#include "store/Rows.h"

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tolvane {

class Database;

class ProductDetailListener {
public:
    virtual ~ProductDetailListener() = default;
    virtual void detailChanged() = 0;
};

struct DetailRow {
    // The header ("all values per 100 g"), one light per nutrient, the sales portion.
    enum class Kind { Header, Nutrient, Portion };
    Kind kind = Kind::Header;
    Nutrient nutrient = Nutrient::Fat; // for Kind::Nutrient
    std::string picture; // traffic-light picture name, empty for the header and portion rows
    std::string title;   // looked-up text
    std::string value;   // text beside the title
};

// A product of the same category with better lights.
struct ChoiceRow {
    std::string recordId;
    std::string name;
    std::string maker;
    std::array<std::string, 4> pictures; // fat, saturated fat, sugar, salt
    friend bool operator==(const ChoiceRow&, const ChoiceRow&) = default;
};

class ProductDetail : public Screen, public CheckPickerViewDelegate {
public:
    ProductDetail(Platform platform, Database& shared, DetailHost landscape = {});
    ~ProductDetail() override;

    static const char* titleKey() { return key("Ampel-Info"); }

    void setListener(ProductDetailListener* listener) { listener_ = listener; }
    void setFromScreen(const std::string& fromScreen) { fromScreen_ = fromScreen; }
    // The stack a better choice opens on; none, and a tap on one does nothing.
    void setNavigation(Navigation* navigation) { navigation_ = navigation; }

    void viewDidLoad();
    // The product as the store read it; none shows no rows.
    void drawData(const std::optional<ProductRecord>& product);
    // Reads the folders, which of them hold the product, and its favourite mark (every
    // appearance).
    void viewWillAppear();
    // Puts the folder picker away, as "Done" does.
    void viewWillDisappear();

    // --- Table ---
    int numberOfRows() const { return static_cast<int>(rows_.size()); }
    static int rowHeight(DetailRow::Kind kind) { return kind == DetailRow::Kind::Header ? 25 : 40; }
    DetailRow row(int index) const;

    // --- Header area ---
    std::string productName() const { return product_.name; }
    std::string maker() const { return product_.maker; }
    std::string categoryName() const; // looked up
    bool showMsg() const { return showMsg_; }
    static const char* noPortionKey() { return key("Keine Angaben zur Verkaufsmenge"); }
    static const char* turnDeviceKey() { return key("Für weitere Details bitte Gerät drehen"); }

    // --- The whole nutrition table, per 100 g or 100 ml ---
    std::string factsHeading() const;
    const std::vector<FactRow>& facts() const { return facts_; }

    // --- Better choices: none until the search is done, and none when there are none ---
    std::string betterChoicesHeading() const;
    const std::vector<ChoiceRow>& betterChoices() const { return choices_; }
    // Opens the choice's detail on the same stack.
    void openBetterChoice(int index);

    // --- Favourites and the folder picker ---
    bool isFavorite() const { return favorite_; }
    // The favourites button always marks the product and opens the folder picker, so a
    // favourite can be filed into more folders.
    std::string favoriteButtonKey() const { return key("Zu Favoriten hinzufügen"); }
    void favoriteButtonClicked() { addToFav(); }
    void addToFav();
    // "Done": the picker goes, the favourites button comes back; a product left in no folder
    // loses its favourite mark.
    void doneButtonClick();
    bool pickerShown() const { return pickerShown_; }
    // What the last check in the picker did, for a listener ("Added to …"); empty when nothing
    // was filed since the picker opened or a folder was unchecked after.
    const std::string& filingNote() const { return filingNote_; }
    bool showsFavoriteButton() const { return !pickerShown_ && !gone_; }
    // The navigation bar button while the picker shows; its title is not looked up.
    static const char* doneButtonKey() { return key("Done"); }
    // The removal request has a control of its own, shown only while the product is a favourite.
    bool canRemoveFavorite() const { return favorite_ && !gone_; }
    static const char* removeFavoriteKey() { return key("Aus Favoriten entfernen"); }
    // Asks whether to remove the favourite, naming the folders that hold it and the calories
    // they plan of it; "Ja" takes it out of every one of them.
    void editButton();
    static const char* removeFavoriteQuestionKey() { return key("Remove Favourite Question"); }

    // The product was deleted (an own product, from another tab): the screen says so instead
    // of its values, and a write for it is refused with an alert saying why.
    bool gone() const { return gone_; }
    static const char* goneKey() { return key("Product Gone Message"); }

    // The picker's items: every folder in the user's order.
    int numberOfRowsForPickerView() override;
    std::string pickerViewTextForRow(int item) override;
    bool pickerViewSelectionStateForRow(int item) override;
    // Files the product into the folder, or takes it out, at once.
    void pickerViewDidCheckRow(int item) override;
    void pickerViewDidUncheckRow(int item) override;
    const std::vector<std::string>& folderIDarray() const { return folderIDarray_; }
    const std::string& productIdForFolderAdd() const { return productIdForFolderAdd_; }

    // "Gegessen": the diary's amount screen for this product, on the same stack.
    static const char* eatenKey() { return key("Gegessen"); }
    bool showsEatenButton() const { return navigation_ && !gone_ && !product_.recordId.empty(); }
    void eatenPressed();

    // The device turned; a landscape orientation opens the calculator.
    void receivedRotate(DeviceOrientation orientation);

private:
    void changed();
    void closePicker();
    // False, with the screen marked gone, when the product is no longer stored (also false, but
    // not gone, when the file cannot be read just now); said is whether the user is told by an
    // alert (a write refused).
    bool stillStored(bool said);
    void markGone();
    // The product's folders as stored, after every write too, so a failed one shows as not made.
    void readSelectionStates();
    void readFacts();
    // Until the means come, none is known and no light is "top".
    void compareWithCategory();
    // The choices' lights, rated against the means known now.
    void rateChoices();

    Platform platform_;
    Database& shared_;
    DetailHost host_;
    ProductDetailListener* listener_ = nullptr;
    Navigation* navigation_ = nullptr;

    ProductRecord product_;
    // What the table shows, top to bottom: no rows until a product is given.
    std::vector<DetailRow> rows_;
    CategoryMeans means_;
    std::string categoryName_;
    bool showMsg_ = false;
    std::string fromScreen_;
    std::string language_;
    bool favorite_ = false;
    bool alertFlag_ = false;
    bool FavFlag_ = false;
    bool pickerShown_ = false;
    std::string filingNote_;
    bool gone_ = false;
    std::vector<std::string> folderNameArray_;
    std::vector<std::string> folderIDarray_;
    std::map<std::string, bool> selectionStates_;
    std::string productIdForFolderAdd_;
    std::vector<FactRow> facts_;
    std::vector<ProductRecord> choiceProducts_;
    std::vector<ChoiceRow> choices_;
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
    CategoryComparison comparison_{platform_.dispatcher, platform_.log, shared_}; // goes first
};

} // namespace tolvane
