#include "runtime/dde_client.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusReply>
#include <QVariant>
#include <atomic>
#include <climits>
#include <cstdlib>
#include <map>
#include <mutex>
#include <optional>

#include "runtime/core/error_state.h"
#include "runtime/text_codec.h"

namespace rt {
namespace {

constexpr int kInvalidChannel = 601;
constexpr int kChannelNotOpen = 602;
constexpr int kNegativeAcknowledgement = 603;
constexpr int kTimedOut = 605;

const QString kObjectPath = QStringLiteral("/");
const QString kInterface = QStringLiteral("org.velmora.Dde");

std::atomic<int> timeoutHundredths{500};

struct Conversation {
    QString owner;  // the unique bus name of the server that answered
};

// The open conversations, by channel number.
class ChannelTable {
  public:
    DdeChannel Add(Conversation conversation) {
        std::lock_guard lock(mutex_);
        const DdeChannel channel = next_++;
        open_.emplace(channel, std::move(conversation));
        return channel;
    }
    std::optional<Conversation> Find(DdeChannel channel) {
        std::lock_guard lock(mutex_);
        auto found = open_.find(channel);
        if (found == open_.end()) return std::nullopt;
        return found->second;
    }
    void Remove(DdeChannel channel) {
        std::lock_guard lock(mutex_);
        open_.erase(channel);
    }

  private:
    std::mutex mutex_;
    std::map<DdeChannel, Conversation> open_;
    DdeChannel next_ = 1;
};

ChannelTable& Channels() {
    static ChannelTable table;
    return table;
}

// A connection to the session bus for the length of one call.
class CallConnection {
  public:
    CallConnection() : name_(NextName()) {
        // The address is read at every call, not once per process, so that a
        // bus that was replaced (as tests do) is the one reached.
        const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
        connection_.emplace(
            address && *address
                ? QDBusConnection::connectToBus(QString::fromLocal8Bit(address), name_)
                : QDBusConnection::connectToBus(QDBusConnection::SessionBus, name_));
    }
    ~CallConnection() {
        connection_.reset();
        QDBusConnection::disconnectFromBus(name_);
    }
    CallConnection(const CallConnection&) = delete;
    CallConnection& operator=(const CallConnection&) = delete;

    bool IsConnected() const { return connection_->isConnected(); }
    QDBusConnection& Bus() { return *connection_; }

  private:
    static QString NextName() {
        static std::atomic<unsigned> counter{0};
        return QStringLiteral("kestrian-dde-%1").arg(counter.fetch_add(1) + 1);
    }

    QString name_;
    std::optional<QDBusConnection> connection_;
};

int TimeoutMilliseconds() {
    const int hundredths = timeoutHundredths.load();
    if (hundredths <= 0 || hundredths > INT_MAX / 10) return INT_MAX;
    return hundredths * 10;
}

// The owner of `busName`, or "" when it has none or the bus is unreachable.
QString OwnerOf(CallConnection& call, const QString& busName) {
    if (!call.IsConnected()) return {};
    const QDBusReply<QString> reply = call.Bus().interface()->serviceOwner(busName);
    return reply.isValid() ? reply.value() : QString();
}

int ErrorCodeFor(const QDBusError& error) {
    switch (error.type()) {
        case QDBusError::NoReply:
        case QDBusError::Timeout:
        case QDBusError::TimedOut:
            return kTimedOut;
        case QDBusError::ServiceUnknown:
        case QDBusError::Disconnected:
            return kChannelNotOpen;
        default:
            break;
    }
    if (error.name() == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner")) {
        return kChannelNotOpen;
    }
    return kNegativeAcknowledgement;
}

// Sends one method call of the conversation on `channel` and waits for the
// answer; sets the runtime error and returns nothing on failure.
std::optional<QDBusMessage> Transact(DdeChannel channel, const QString& method,
                                     std::string_view argument) {
    ClearError();
    const std::optional<Conversation> conversation = Channels().Find(channel);
    if (!conversation) {
        SetError(kInvalidChannel);
        return std::nullopt;
    }
    CallConnection call;
    if (!call.IsConnected()) {
        SetError(kChannelNotOpen);
        return std::nullopt;
    }
    QDBusMessage message =
        QDBusMessage::createMethodCall(conversation->owner, kObjectPath, kInterface, method);
    // Commands carry file names, so they are sent in the system's encoding of
    // file names, not as program text.
    message << QString::fromLocal8Bit(argument.data(), static_cast<qsizetype>(argument.size()));
    QDBusMessage reply = call.Bus().call(message, QDBus::Block, TimeoutMilliseconds());
    if (reply.type() == QDBusMessage::ReplyMessage) return reply;
    SetError(reply.type() == QDBusMessage::ErrorMessage ? ErrorCodeFor(QDBusError(reply))
                                                        : kNegativeAcknowledgement);
    return std::nullopt;
}

}  // namespace

void SetDdeTimeout(int hundredths) {
    timeoutHundredths.store(hundredths);
}

int DdeTimeout() {
    return timeoutHundredths.load();
}

std::string DdeBusName(std::string_view service) {
    return "org.velmora." + std::string(service);
}

bool DdeServerPresent(std::string_view service) {
    CallConnection call;
    return !OwnerOf(call, QString::fromStdString(DdeBusName(service))).isEmpty();
}

DdeChannel DdeClient(std::string_view service, std::string_view /*topic*/) {
    ClearError();
    CallConnection call;
    QString owner = OwnerOf(call, QString::fromStdString(DdeBusName(service)));
    if (owner.isEmpty()) return 0;
    return Channels().Add(Conversation{std::move(owner)});
}

void DdeExecute(DdeChannel channel, std::string_view command) {
    Transact(channel, QStringLiteral("Execute"), command);
}

std::string DdeRead(DdeChannel channel, std::string_view item) {
    const std::optional<QDBusMessage> reply = Transact(channel, QStringLiteral("Request"), item);
    if (!reply || reply->arguments().isEmpty()) return {};
    return ToWin1252(reply->arguments().constFirst().toString());
}

void DdeClose(DdeChannel channel) {
    ClearError();
    if (!Channels().Find(channel)) {
        SetError(kInvalidChannel);
        return;
    }
    Channels().Remove(channel);
}

}  // namespace rt
