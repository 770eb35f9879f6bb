#include "server/Options.h"

#include "server/Timestamp.h"
#include "server/Tsv.h"

#include <charconv>
#include <set>

namespace tolvane::server {

const char* const kUsage =
    "usage: tolvane-product-server COMMAND --db FILE [options]\n"
    "commands:\n"
    "  import  --products FILE.tsv [--timestamp \"YYYY-MM-DD HH:MM:SS\"]\n"
    "  publish --products FILE.tsv --timestamp T\n"
    "  publish --delete ID[,ID...] --timestamp T\n"
    "  import-off --csv EXPORT.csv[.gz] [--country CODE] [--language CODE] [--mapping M.tsv]\n"
    "          [--timestamp T]   (the open food database's export: what changed since the\n"
    "          last one is published at T, by default now)\n"
    "  serve   [--host 127.0.0.1] [--port N] [--drop-after-pages N] [--delay-ms N]\n"
    "          [--garbage] [--empty-products]\n"
    "  outbox\n"
    "accounts (all commands): --update-user U --update-password P --upload-user U "
    "--upload-password P\n";

namespace {

long long number(const std::string& option, const std::string& text, long long low,
                 long long high) {
    long long value = 0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || ptr != text.data() + text.size() || value < low || value > high)
        throw UsageError(option + " needs a whole number from " + std::to_string(low) + " to " +
                         std::to_string(high) + ", not \"" + text + "\"");
    return value;
}

void require(bool condition, const std::string& message) {
    if (!condition) throw UsageError(message);
}

} // namespace

std::vector<long long> parseIdList(const std::string& text) {
    std::vector<long long> ids;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t comma = text.find(',', start);
        if (comma == std::string::npos) comma = text.size();
        std::string item = text.substr(start, comma - start);
        long long id = 0;
        if (auto problem = identifierProblem(item, id)) throw UsageError("--delete: " + *problem);
        ids.push_back(id);
        start = comma + 1;
    }
    return ids;
}

Options parseOptions(const std::vector<std::string>& args) {
    Options options;
    std::set<std::string> seen;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!arg.starts_with("--")) {
            require(options.command.empty(), "unexpected argument \"" + arg + "\"");
            options.command = arg;
            continue;
        }
        seen.insert(arg);
        if (arg == "--garbage") {
            options.faults.garbage = true;
            continue;
        }
        if (arg == "--empty-products") {
            options.faults.emptyProducts = true;
            continue;
        }
        static const std::set<std::string> withValue{"--db",
                                                     "--products",
                                                     "--timestamp",
                                                     "--delete",
                                                     "--csv",
                                                     "--country",
                                                     "--language",
                                                     "--mapping",
                                                     "--host",
                                                     "--port",
                                                     "--update-user",
                                                     "--update-password",
                                                     "--upload-user",
                                                     "--upload-password",
                                                     "--drop-after-pages",
                                                     "--delay-ms"};
        require(withValue.count(arg) > 0, "unknown option " + arg);
        require(i + 1 < args.size(), arg + " needs a value");
        const std::string& value = args[++i];
        if (arg == "--db")
            options.db = value;
        else if (arg == "--products")
            options.products = value;
        else if (arg == "--timestamp")
            options.timestamp = value;
        else if (arg == "--delete")
            options.deleteIds = value;
        else if (arg == "--csv")
            options.csv = value;
        else if (arg == "--country")
            options.country = value;
        else if (arg == "--language")
            options.language = value;
        else if (arg == "--mapping")
            options.mapping = value;
        else if (arg == "--host")
            options.host = value;
        else if (arg == "--port")
            options.port = static_cast<int>(number(arg, value, 0, 65535));
        else if (arg == "--update-user")
            options.credentials.updateUser = value;
        else if (arg == "--update-password")
            options.credentials.updatePassword = value;
        else if (arg == "--upload-user")
            options.credentials.uploadUser = value;
        else if (arg == "--upload-password")
            options.credentials.uploadPassword = value;
        else if (arg == "--drop-after-pages")
            options.faults.dropAfterPages = number(arg, value, 0, 1'000'000'000);
        else if (arg == "--delay-ms")
            options.faults.delayMs = static_cast<int>(number(arg, value, 0, 600'000));
        else
            throw UsageError("unknown option " + arg);
    }

    const std::string& command = options.command;
    require(!command.empty(), "no command given");
    require(command == "import" || command == "publish" || command == "serve" ||
                command == "outbox" || command == "import-off",
            "unknown command \"" + command + "\"");
    require(!options.db.empty(), command + " needs --db FILE");
    if (options.timestamp)
        require(isValidTimestamp(*options.timestamp),
                "--timestamp needs the form \"YYYY-MM-DD HH:MM:SS\", not \"" + *options.timestamp +
                    "\"");
    if (command == "import") require(!options.products.empty(), "import needs --products FILE");
    if (command == "publish") {
        require(options.products.empty() != options.deleteIds.empty(),
                "publish needs either --products FILE or --delete ID[,ID...]");
        require(options.timestamp.has_value(), "publish needs --timestamp \"YYYY-MM-DD HH:MM:SS\"");
    }
    if (command != "serve")
        for (const char* serveOnly : {"--host", "--port", "--drop-after-pages", "--delay-ms",
                                      "--garbage", "--empty-products"})
            require(!seen.count(serveOnly), std::string(serveOnly) + " only applies to serve");
    if (command != "import" && command != "publish")
        require(options.products.empty(), "--products only applies to import and publish");
    if (command != "import" && command != "publish" && command != "import-off")
        require(!options.timestamp, "--timestamp only applies to import, publish and import-off");
    if (command == "import-off")
        require(!options.csv.empty(), "import-off needs --csv FILE");
    else
        for (const char* offOnly : {"--csv", "--country", "--language", "--mapping"})
            require(!seen.count(offOnly), std::string(offOnly) + " only applies to import-off");
    if (command != "publish")
        require(options.deleteIds.empty(), "--delete only applies to publish");
    return options;
}

} // namespace tolvane::server
