#include "server/ServerCatalogue.h"

#include <algorithm>

namespace tolvane::server {

namespace {

std::string quoted(std::string_view name) {
    return "\"" + std::string(name) + "\"";
}

std::string fieldColumns() {
    std::string columns;
    for (std::size_t i = 0; i < catalogueFieldCount; ++i) {
        if (i) columns += ", ";
        columns += quoted(catalogueRecordKeys[i]);
    }
    return columns;
}

std::string schema() {
    std::string sql = "CREATE TABLE IF NOT EXISTS products (\"ID\" INTEGER PRIMARY KEY";
    for (std::size_t i = 0; i < catalogueFieldCount; ++i)
        sql += ", " + quoted(catalogueRecordKeys[i]) + " TEXT NOT NULL DEFAULT ''";
    sql += ", isDelete INTEGER NOT NULL DEFAULT 0);"
           "CREATE INDEX IF NOT EXISTS products_changed ON products(\"Aufnahmedatum\", \"ID\");"
           // The products an export brought, by their key: so that the next export finds
           // them again, and knows which are gone.
           "CREATE TABLE IF NOT EXISTS export_keys (key TEXT PRIMARY KEY, \"ID\" INTEGER NOT NULL,"
           " modified INTEGER NOT NULL, run INTEGER NOT NULL) WITHOUT ROWID;"
           "CREATE TABLE IF NOT EXISTS outbox (number INTEGER PRIMARY KEY AUTOINCREMENT,"
           " received TEXT NOT NULL, email TEXT NOT NULL, subject TEXT NOT NULL,"
           " msg TEXT NOT NULL, data TEXT NOT NULL);";
    return sql;
}

SqliteConnection& openWithSchema(SqliteConnection& db) {
    db.exec("PRAGMA journal_mode=WAL");
    db.exec("PRAGMA synchronous=NORMAL");
    db.exec(schema());
    return db;
}

const std::string kSelectProduct = "SELECT " + fieldColumns() + ", \"ID\", isDelete FROM products";

ServerProduct readProduct(const Statement& row) {
    ServerProduct record;
    for (std::size_t i = 0; i < catalogueFieldCount; ++i)
        record.fields[i] = row.text(static_cast<int>(i));
    record.id = row.integer(static_cast<int>(catalogueFieldCount));
    record.deleted = row.integer(static_cast<int>(catalogueFieldCount) + 1) != 0;
    return record;
}

} // namespace

ServerCatalogue::ServerCatalogue(const std::string& path)
    : db_(path), countAll_(openWithSchema(db_).prepare("SELECT COUNT(*) FROM products")),
      countSince_(db_.prepare("SELECT COUNT(*) FROM products WHERE \"Aufnahmedatum\" > ?1")),
      pageAll_(
          db_.prepare(kSelectProduct + " ORDER BY \"Aufnahmedatum\", \"ID\" LIMIT ?2 OFFSET ?3")),
      pageSince_(db_.prepare(kSelectProduct +
                             " WHERE \"Aufnahmedatum\" > ?1"
                             " ORDER BY \"Aufnahmedatum\", \"ID\" LIMIT ?2 OFFSET ?3")),
      pageNext_(db_.prepare(kSelectProduct + " WHERE (\"Aufnahmedatum\", \"ID\") > (?4, ?5)"
                                             " ORDER BY \"Aufnahmedatum\", \"ID\" LIMIT ?2")),
      dataVersion_(db_.prepare("PRAGMA data_version")) {}

ServerCatalogue::~ServerCatalogue() = default;

void ServerCatalogue::importProducts(const std::vector<ServerProduct>& products,
                                     const std::optional<std::string>& timestamp) {
    std::lock_guard lock(mutex_);
    std::string sql =
        "INSERT OR REPLACE INTO products (" + fieldColumns() + ", \"ID\", isDelete) VALUES (";
    for (std::size_t i = 1; i <= catalogueFieldCount + 1; ++i)
        sql += "?" + std::to_string(i) + ", ";
    sql += "0)";
    Transaction transaction(db_);
    ++ownWrites_;
    Statement insert = db_.prepare(sql);
    for (const ServerProduct& product : products) {
        insert.reset();
        // A publication gives every product the same inclusion date.
        ServerProduct published = product;
        if (timestamp) published.timestamp() = *timestamp;
        for (std::size_t i = 0; i < catalogueFieldCount; ++i)
            insert.bind(static_cast<int>(i) + 1, published.fields[i]);
        insert.bind(static_cast<int>(catalogueFieldCount) + 1, product.id);
        insert.step();
    }
    transaction.commit();
}

std::vector<long long> ServerCatalogue::markDeleted(const std::vector<long long>& ids,
                                                    const std::string& timestamp) {
    std::lock_guard lock(mutex_);
    std::vector<long long> unknown;
    Transaction transaction(db_);
    ++ownWrites_;
    Statement update =
        db_.prepare("UPDATE products SET isDelete = 1, \"Aufnahmedatum\" = ?1 WHERE \"ID\" = ?2");
    Statement insert = db_.prepare(
        "INSERT INTO products (\"ID\", \"Aufnahmedatum\", isDelete) VALUES (?2, ?1, 1)");
    for (long long id : ids) {
        update.reset();
        update.bind(1, timestamp);
        update.bind(2, id);
        update.step();
        if (sqlite3_changes(db_.handle()) == 0) {
            insert.reset();
            insert.bind(1, timestamp);
            insert.bind(2, id);
            insert.step();
            unknown.push_back(id);
        }
    }
    transaction.commit();
    return unknown;
}

ChangedPage ServerCatalogue::changedSince(const std::string& since, long long pageNo,
                                          long long pageSize) {
    std::lock_guard lock(mutex_);
    ChangedPage page;
    bool all = since.empty();
    Statement& count = all ? countAll_ : countSince_;
    // One read snapshot, so the total matches the page even while another process publishes.
    db_.exec("BEGIN");
    Statement* select = nullptr;
    try {
        // Read inside the snapshot: it changes whenever another connection has committed.
        dataVersion_.reset();
        const long long version = dataVersion_.step() ? dataVersion_.integer(0) : -1;
        dataVersion_.reset();
        auto cursor = cursors_.find(since);
        const bool follows = cursor != cursors_.end() && cursor->second.pageNo == pageNo - 1 &&
                             cursor->second.pageSize == pageSize &&
                             cursor->second.dataVersion == version &&
                             cursor->second.ownWrites == ownWrites_;
        if (follows) {
            page.total = cursor->second.total;
        } else {
            count.reset();
            if (!all) count.bind(1, since);
            if (count.step()) page.total = count.integer(0);
            count.reset();
        }
        long long offset = (pageNo - 1) * pageSize;
        if (pageNo >= 1 && pageSize >= 1 && offset < page.total) {
            // Past the last key is past `since` as well: that key's date is after it.
            select = follows ? &pageNext_ : all ? &pageAll_ : &pageSince_;
            select->reset();
            select->bind(2, pageSize);
            if (follows) {
                select->bind(4, cursor->second.lastTimestamp);
                select->bind(5, cursor->second.lastId);
            } else {
                if (!all) select->bind(1, since);
                select->bind(3, offset);
            }
            while (select->step())
                page.products.push_back(readProduct(*select));
            select->reset();
        }
        db_.exec("COMMIT");
        if (page.products.empty()) {
            if (cursor != cursors_.end()) cursors_.erase(cursor);
        } else {
            if (cursor == cursors_.end() && cursors_.size() >= kMaxCursors) cursors_.clear();
            cursors_[since] = {pageNo,
                               pageSize,
                               page.total,
                               version,
                               ownWrites_,
                               page.products.back().timestamp(),
                               page.products.back().id};
        }
    } catch (...) {
        count.reset();
        if (select != nullptr) select->reset();
        dataVersion_.reset();
        db_.exec("ROLLBACK");
        throw;
    }
    return page;
}

ExportChanges ServerCatalogue::replaceExport(const ExportFeed& products,
                                             const std::string& timestamp) {
    std::lock_guard lock(mutex_);
    ExportChanges changes;
    Transaction transaction(db_);
    ++ownWrites_;
    long long run = 1;
    {
        Statement last = db_.prepare("SELECT COALESCE(MAX(run), 0) + 1 FROM export_keys");
        if (last.step()) run = last.integer(0);
    }
    long long nextId = 1;
    {
        Statement highest = db_.prepare("SELECT COALESCE(MAX(\"ID\"), 0) + 1 FROM products");
        if (highest.step()) nextId = highest.integer(0);
    }
    Statement findKey = db_.prepare("SELECT \"ID\", modified FROM export_keys WHERE key = ?1");
    Statement findProduct = db_.prepare(kSelectProduct + " WHERE \"ID\" = ?1");
    Statement keepKey = db_.prepare(
        "INSERT OR REPLACE INTO export_keys (key, \"ID\", modified, run) VALUES (?1, ?2, ?3, ?4)");
    std::string sql =
        "INSERT OR REPLACE INTO products (" + fieldColumns() + ", \"ID\", isDelete) VALUES (";
    for (std::size_t i = 1; i <= catalogueFieldCount + 1; ++i)
        sql += "?" + std::to_string(i) + ", ";
    sql += "0)";
    Statement store = db_.prepare(sql);

    products([&](const std::string& key, long long modified, const CatalogueRecord& record) {
        findKey.reset();
        findKey.bind(1, key);
        std::optional<long long> id;
        long long heldModified = 0;
        if (findKey.step()) {
            id = findKey.integer(0);
            heldModified = findKey.integer(1);
        }
        findKey.reset();
        bool publish = true;
        if (id) {
            findProduct.reset();
            findProduct.bind(1, *id);
            if (findProduct.step()) {
                ServerProduct held = readProduct(findProduct);
                if (!held.deleted) {
                    // The record date is the publication's, not part of the content.
                    held.timestamp() = record[CatalogueField::InclusionDate];
                    if (held.fields == record.fields) {
                        ++changes.unchanged;
                        publish = false;
                    } else if (modified < heldModified) {
                        ++changes.older;
                        publish = false;
                        modified = heldModified;
                    }
                }
            }
            findProduct.reset();
            if (publish) ++changes.changed;
        } else {
            if (nextId >= firstOwnProductId)
                throw SqliteError("no identifier left below " + std::to_string(firstOwnProductId));
            id = nextId++;
            ++changes.added;
        }
        if (publish) {
            store.reset();
            for (std::size_t i = 0; i < catalogueFieldCount; ++i)
                store.bind(static_cast<int>(i) + 1,
                           i == static_cast<std::size_t>(CatalogueField::InclusionDate)
                               ? std::string_view(timestamp)
                               : std::string_view(record.fields[i]));
            store.bind(static_cast<int>(catalogueFieldCount) + 1, *id);
            store.step();
        }
        keepKey.reset();
        keepKey.bind(1, key);
        keepKey.bind(2, *id);
        keepKey.bind(3, std::max(modified, heldModified));
        keepKey.bind(4, run);
        keepKey.step();
    });

    // What an earlier export brought and this one lacks is withdrawn, once.
    Statement withdraw = db_.prepare(
        "UPDATE products SET isDelete = 1, \"Aufnahmedatum\" = ?1 WHERE isDelete = 0 AND \"ID\" IN "
        "(SELECT \"ID\" FROM export_keys WHERE run <> ?2)");
    withdraw.bind(1, timestamp);
    withdraw.bind(2, run);
    withdraw.step();
    changes.removed = sqlite3_changes(db_.handle());
    transaction.commit();
    return changes;
}

std::optional<ServerProduct> ServerCatalogue::product(long long id) {
    std::lock_guard lock(mutex_);
    Statement select = db_.prepare(kSelectProduct + " WHERE \"ID\" = ?1");
    select.bind(1, id);
    if (!select.step()) return std::nullopt;
    return readProduct(select);
}

long long ServerCatalogue::productCount() {
    std::lock_guard lock(mutex_);
    countAll_.reset();
    long long total = countAll_.step() ? countAll_.integer(0) : 0;
    countAll_.reset();
    return total;
}

std::string ServerCatalogue::newestTimestamp() {
    std::lock_guard lock(mutex_);
    Statement select = db_.prepare("SELECT MAX(\"Aufnahmedatum\") FROM products");
    return select.step() ? select.text(0) : std::string();
}

void ServerCatalogue::storeUpload(const Upload& upload) {
    std::lock_guard lock(mutex_);
    Statement insert = db_.prepare(
        "INSERT INTO outbox (received, email, subject, msg, data) VALUES (?1, ?2, ?3, ?4, ?5)");
    insert.bind(1, upload.received);
    insert.bind(2, upload.email);
    insert.bind(3, upload.subject);
    insert.bind(4, upload.msg);
    insert.bind(5, upload.data);
    insert.step();
}

std::vector<Upload> ServerCatalogue::uploads() {
    std::lock_guard lock(mutex_);
    Statement select = db_.prepare(
        "SELECT number, received, email, subject, msg, data FROM outbox ORDER BY number");
    std::vector<Upload> result;
    while (select.step())
        result.push_back({select.integer(0), select.text(1), select.text(2), select.text(3),
                          select.text(4), select.text(5)});
    return result;
}

} // namespace tolvane::server
