// SPDX-License-Identifier: MIT
#include "platform/session_bus_warmup.h"

#include <QThread>
#include <cstring>

#if defined(ZORBIT_SESSION_BUS)
#include <QDBusConnection>
#endif

SessionBusWarmUp::SessionBusWarmUp([[maybe_unused]] const QString& platform) {
#if defined(ZORBIT_SESSION_BUS)
  if (!Bridges(platform)) return;
  // Qt takes the first thread that meets it for the application's main thread: this one must come
  // before the connector, or the application warns that it was not made in the main thread.
  QThread::currentThread();
  connector_ = std::thread([] { QDBusConnection::sessionBus(); });
#endif
}

SessionBusWarmUp::~SessionBusWarmUp() { Wait(); }

void SessionBusWarmUp::Wait() {
  if (connector_.joinable()) connector_.join();
}

bool SessionBusWarmUp::Bridges(const QString& platform) {
  // QT_QPA_PLATFORM may list fallbacks ("wayland;xcb") and options ("xcb:nograb").
  const QString first = platform.section(u';', 0, 0).section(u':', 0, 0).trimmed();
  return first.isEmpty() || first == u"xcb" || first.startsWith(u"wayland");
}

QString SessionBusWarmUp::PlatformOf(int argc, char* argv[]) {
  for (int i = 1; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
      return QString::fromLocal8Bit(argv[i + 1]);
  return qEnvironmentVariable("QT_QPA_PLATFORM");
}
