// SPDX-License-Identifier: MIT
// The owner's socket on Linux: a Unix domain socket where Qt's local sockets put theirs, watched
// with Qt Core's socket notifiers. Qt Network would do the same, and would load itself, Kerberos
// and the proxy library at every start for it.
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <map>

#include "session/owner_channel.h"

namespace owner_socket {

// A file descriptor, closed when it goes.
class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;

  int get() const { return fd_; }

 private:
  int fd_;
};

// One later start connected to the owner, and what it sent so far.
struct Caller {
  explicit Caller(int fd) : Socket(fd) {}
  Descriptor Socket;
  QByteArray Bytes;
  QSocketNotifier* Readable = nullptr;
};

}  // namespace owner_socket

using owner_socket::Caller;
using owner_socket::Descriptor;

namespace {

// The socket's file: in the temporary folder, unless the name is a path already.
QByteArray SocketPath(const QString& name) {
  return QFile::encodeName(name.startsWith(u'/') ? name : QDir::cleanPath(QDir::tempPath()) + u'/' + name);
}

bool MakeAddress(const QByteArray& path, sockaddr_un* address) {
  std::memset(address, 0, sizeof *address);
  address->sun_family = AF_UNIX;
  if (path.isEmpty() || path.size() >= static_cast<qsizetype>(sizeof address->sun_path)) return false;
  std::memcpy(address->sun_path, path.constData(), static_cast<size_t>(path.size()));
  return true;
}

int StreamSocket() { return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0); }

// Waits until `fd` is ready for `events`; false when the deadline passes first.
bool WaitFor(int fd, short events, QDeadlineTimer deadline) {
  for (;;) {
    pollfd watched{fd, events, 0};
    const qint64 left = deadline.remainingTime();  // -1: no deadline
    const int ready = ::poll(&watched, 1, left < 0 ? -1 : static_cast<int>(std::min<qint64>(left, INT_MAX)));
    if (ready > 0) return true;  // ready, or an error the next call reports
    if (ready == 0 || errno != EINTR) return false;
  }
}

}  // namespace

bool HandOver(const QString& name, const QStringList& arguments, QDeadlineTimer deadline) {
  sockaddr_un address;
  if (!MakeAddress(SocketPath(name), &address)) return false;
  const Descriptor socket(StreamSocket());
  // Nobody listening, or an owner too busy to take more callers: the caller asks again later.
  if (socket.get() < 0 || ::connect(socket.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
    return false;
  const QByteArray message = HandOverMessage(arguments);
  for (qsizetype sent = 0; sent < message.size();) {
    const ssize_t n = ::send(socket.get(), message.constData() + sent, static_cast<size_t>(message.size() - sent), MSG_NOSIGNAL);
    if (n > 0) {
      sent += n;
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else if (n < 0 && errno == EAGAIN) {
      if (!WaitFor(socket.get(), POLLOUT, deadline)) return false;
    } else {
      return false;
    }
  }
  const QByteArray answer = HandOverAnswer();
  QByteArray received;
  while (received.size() < answer.size()) {
    char chunk[64];
    const ssize_t n = ::recv(socket.get(), chunk, sizeof chunk, 0);
    if (n > 0) {
      received.append(chunk, n);
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else if (n < 0 && errno == EAGAIN) {
      if (!WaitFor(socket.get(), POLLIN, deadline)) return false;
    } else {
      return false;  // the owner closed without answering
    }
  }
  return received.startsWith(answer);
}

struct OwnerListener::Private {
  explicit Private(OwnerListener* listener) : Listener(listener) {}

  ~Private() {
    for (auto& [fd, caller] : Callers) delete caller->Readable;
    Callers.clear();
    delete Incoming;
    if (ListeningFd >= 0) {
      // As Qt's local server does on closing: the socket's file goes with the owner.
      ::close(ListeningFd);
      ::unlink(Path.constData());
    }
  }

  void Accept() {
    for (;;) {
      const int fd = ::accept4(ListeningFd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
      if (fd < 0) {
        if (errno == EINTR || errno == ECONNABORTED) continue;
        return;  // none left; or out of descriptors, and the caller times out and asks again
      }
      auto caller = std::make_unique<Caller>(fd);
      caller->Readable = new QSocketNotifier(fd, QSocketNotifier::Read, Listener);
      QObject::connect(caller->Readable, &QSocketNotifier::activated, Listener, [this, fd] { Read(fd); });
      Callers[fd] = std::move(caller);
    }
  }

  void Read(int fd) {
    const auto found = Callers.find(fd);
    if (found == Callers.end()) return;
    Caller& caller = *found->second;
    bool ended = false;
    for (;;) {
      char chunk[4096];
      const ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
      if (n > 0) {
        caller.Bytes.append(chunk, n);
        if (caller.Bytes.size() >= HandOverReadLimit) break;  // enough to decide
        continue;
      }
      if (n < 0 && errno == EINTR) continue;
      ended = !(n < 0 && errno == EAGAIN);  // the caller closed, or its socket failed
      break;
    }
    const ReceivedMessage message = ReadHandOverMessage(caller.Bytes);
    if (message.State == ReceivedMessage::Incomplete && !ended) return;  // the rest is on its way
    if (message.State == ReceivedMessage::Complete) {
      const QByteArray answer = HandOverAnswer();
      // Eight bytes fit in any socket's buffer; a caller that has gone does not hear them.
      (void)::send(fd, answer.constData(), static_cast<size_t>(answer.size()), MSG_NOSIGNAL | MSG_DONTWAIT);
    }
    Drop(found);
    if (message.State == ReceivedMessage::Complete) emit Listener->Received(message.Arguments);
  }

  // Closes a caller's socket; its notifier goes once the event that called it is over.
  void Drop(std::map<int, std::unique_ptr<Caller>>::iterator caller) {
    caller->second->Readable->setEnabled(false);
    caller->second->Readable->deleteLater();
    Callers.erase(caller);
  }

  OwnerListener* Listener;
  int ListeningFd = -1;  // while listening
  QByteArray Path;
  QSocketNotifier* Incoming = nullptr;
  std::map<int, std::unique_ptr<Caller>> Callers;
};

OwnerListener::OwnerListener(QObject* parent) : QObject(parent), d_(std::make_unique<Private>(this)) {}

OwnerListener::~OwnerListener() = default;

bool OwnerListener::Listen(const QString& name) {
  if (d_->ListeningFd >= 0) return false;
  const QByteArray path = SocketPath(name);
  sockaddr_un address;
  if (!MakeAddress(path, &address)) return false;
  // The socket is made in a folder of its own that only this user may enter, given this user's
  // access alone, and then moved into place: nobody else can connect to it in between.
  QByteArray folder = QFile::encodeName(QFileInfo(QFile::decodeName(path)).absolutePath()) + "/Zorbit-XXXXXX";
  if (::mkdtemp(folder.data()) == nullptr) return false;
  const QByteArray made = folder + "/s";
  const int fd = StreamSocket();
  const bool listening = fd >= 0 && MakeAddress(made, &address) &&
                         ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
                         ::listen(fd, 50) == 0 && ::chmod(made.constData(), S_IRWXU) == 0 &&
                         ::rename(made.constData(), path.constData()) == 0;
  ::unlink(made.constData());  // left only when something failed
  ::rmdir(folder.constData());
  if (!listening) {
    if (fd >= 0) ::close(fd);
    return false;
  }
  d_->ListeningFd = fd;
  d_->Path = path;
  d_->Incoming = new QSocketNotifier(fd, QSocketNotifier::Read, this);
  connect(d_->Incoming, &QSocketNotifier::activated, this, [this] { d_->Accept(); });
  return true;
}
