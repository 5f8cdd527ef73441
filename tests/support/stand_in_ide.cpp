// A stand-in for the Velmora IDE on the session bus, for tests.
//
// It owns "org.velmora.VelmoraWin" and answers Execute and Request on "/",
// interface "org.velmora.Dde". What it does is set by options or, since the
// program under test launches it by name without arguments, by environment
// variables of the same meaning:
//
//   --mode=M            STAND_IN_IDE_MODE           export (default), refuse, silent, absent
//   --log=FILE          STAND_IN_IDE_LOG            appends one line per event
//   --export-source=F   STAND_IN_IDE_EXPORT_SOURCE  file written as the export
//                                                   (default: the dictionary file itself)
//   --error-number=N    STAND_IN_IDE_ERROR_NUMBER   refuse: the "GetErrorNum" answer
//   --error-message=T   STAND_IN_IDE_ERROR_MESSAGE  refuse: the "GetErrorMsg" answer
//   --lifetime=MS       STAND_IN_IDE_LIFETIME_MS    ends itself after MS (default 60000)
//
// export:  "[ExportDct(dictionary,textfile)]" writes the text file, then acknowledges;
//          the command is read the plain way (up to the first "," and the first ")").
// refuse:  every Execute is answered with an error; the error items hold the values above.
// silent:  nothing is ever answered.
// absent:  logs "start" and ends at once, without owning the name.
//
// Log lines: "start", "owner", "busy" (the name was taken, the program ends),
// "execute <command>", "request <item>", "exported <text file>", "failed <reason>".
// It ends when its bus connection is lost, so a test's private bus takes it
// along when it stops.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QTimer>
#include <QVariant>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <string>

namespace {

const QString kBusName = QStringLiteral("org.velmora.VelmoraWin");
const QString kInterface = QStringLiteral("org.velmora.Dde");

struct Options {
    std::string mode = "export";
    std::string log;
    std::string exportSource;
    std::string errorNumber = "0";
    std::string errorMessage;
    int lifetimeMs = 60000;
};

std::string Setting(const std::map<std::string, std::string>& given, const std::string& option,
                    const char* variable, const std::string& fallback) {
    auto found = given.find(option);
    if (found != given.end()) return found->second;
    const char* value = std::getenv(variable);
    return value ? std::string(value) : fallback;
}

Options ReadOptions(int argc, char** argv) {
    std::map<std::string, std::string> given;
    for (int i = 1; i < argc; ++i) {
        std::string argument = argv[i];
        if (argument.rfind("--", 0) != 0) continue;
        const auto equals = argument.find('=');
        if (equals == std::string::npos) continue;
        given[argument.substr(2, equals - 2)] = argument.substr(equals + 1);
    }
    Options options;
    options.mode = Setting(given, "mode", "STAND_IN_IDE_MODE", options.mode);
    options.log = Setting(given, "log", "STAND_IN_IDE_LOG", options.log);
    options.exportSource = Setting(given, "export-source", "STAND_IN_IDE_EXPORT_SOURCE", "");
    options.errorNumber = Setting(given, "error-number", "STAND_IN_IDE_ERROR_NUMBER", "0");
    options.errorMessage = Setting(given, "error-message", "STAND_IN_IDE_ERROR_MESSAGE", "");
    options.lifetimeMs =
        std::atoi(Setting(given, "lifetime", "STAND_IN_IDE_LIFETIME_MS", "60000").c_str());
    return options;
}

void Log(const Options& options, const std::string& line) {
    if (options.log.empty()) return;
    std::ofstream out(options.log, std::ios::app | std::ios::binary);
    out << line << '\n';
}

struct Export {
    std::string dictionary;
    std::string textFile;
};

// "[ExportDct(" dictionary "," textfile ")]", read up to the first "," and the
// first ")" as a plain command reader would.
std::optional<Export> ParseExport(const std::string& command) {
    const std::string head = "[ExportDct(";
    if (command.rfind(head, 0) != 0) return std::nullopt;
    const auto comma = command.find(',', head.size());
    if (comma == std::string::npos) return std::nullopt;
    const auto close = command.find(')', comma + 1);
    if (close == std::string::npos || command.substr(close) != ")]") return std::nullopt;
    return Export{command.substr(head.size(), comma - head.size()),
                  command.substr(comma + 1, close - comma - 1)};
}

bool CopyFile(const std::string& from, const std::string& to) {
    std::ifstream in(from, std::ios::binary);
    if (!in) return false;
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::ofstream out(to, std::ios::binary | std::ios::trunc);
    out << bytes;
    out.close();
    return static_cast<bool>(out);
}

class StandInIde final : public QDBusVirtualObject {
  public:
    explicit StandInIde(Options options) : options_(std::move(options)) {}

    QString introspect(const QString&) const override {
        return QStringLiteral(
            "<interface name=\"org.velmora.Dde\">"
            "<method name=\"Execute\"><arg name=\"command\" type=\"s\" direction=\"in\"/></method>"
            "<method name=\"Request\"><arg name=\"item\" type=\"s\" direction=\"in\"/>"
            "<arg name=\"value\" type=\"s\" direction=\"out\"/></method>"
            "</interface>");
    }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (message.interface() != kInterface || message.arguments().size() != 1) return false;
        const std::string argument = message.arguments().constFirst().toString().toStdString();
        QDBusMessage reply;
        if (message.member() == QLatin1String("Execute")) {
            Log(options_, "execute " + argument);
            reply = Execute(message, argument);
        } else if (message.member() == QLatin1String("Request")) {
            Log(options_, "request " + argument);
            reply = Request(message, argument);
        } else {
            return false;
        }
        if (options_.mode != "silent") connection.send(reply);
        return true;
    }

  private:
    QDBusMessage Refuse(const QDBusMessage& message, const std::string& number,
                        const std::string& text) {
        errorNumber_ = number;
        errorMessage_ = text;
        Log(options_, "failed " + text);
        return message.createErrorReply(QStringLiteral("org.velmora.Dde.Error.Failed"),
                                        QString::fromStdString(text));
    }

    QDBusMessage Execute(const QDBusMessage& message, const std::string& command) {
        if (options_.mode == "refuse") {
            return Refuse(message, options_.errorNumber, options_.errorMessage);
        }
        const std::optional<Export> request = ParseExport(command);
        if (!request) return Refuse(message, "1", "Unknown command");
        const std::string& source =
            options_.exportSource.empty() ? request->dictionary : options_.exportSource;
        if (!CopyFile(source, request->textFile)) {
            return Refuse(message, "2", "Cannot export " + request->dictionary);
        }
        Log(options_, "exported " + request->textFile);
        errorNumber_ = "0";
        errorMessage_.clear();
        return message.createReply();
    }

    QDBusMessage Request(const QDBusMessage& message, const std::string& item) {
        if (item == "GetErrorNum") return message.createReply(QString::fromStdString(errorNumber_));
        if (item == "GetErrorMsg")
            return message.createReply(QString::fromStdString(errorMessage_));
        return message.createErrorReply(QStringLiteral("org.velmora.Dde.Error.UnknownItem"),
                                        QString::fromStdString(item));
    }

    Options options_;
    std::string errorNumber_ = "0";
    std::string errorMessage_;
};

}  // namespace

int main(int argc, char** argv) {
    const Options options = ReadOptions(argc, argv);
    Log(options, "start");
    if (options.mode == "absent") return 0;

    QCoreApplication app(argc, argv);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        Log(options, "failed no session bus");
        return 2;
    }
    StandInIde ide(options);
    if (!bus.registerVirtualObject(QStringLiteral("/"), &ide)) {
        Log(options, "failed object");
        return 2;
    }
    if (!bus.registerService(kBusName)) {
        Log(options, "busy");
        return 0;
    }
    Log(options, "owner");

    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &app, [&bus] {
        if (!bus.isConnected()) QCoreApplication::quit();
    });
    watch.start(100);
    QTimer::singleShot(options.lifetimeMs, &app, &QCoreApplication::quit);
    return app.exec();
}
