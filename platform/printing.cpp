// SPDX-License-Identifier: MIT
#include "platform/printing.h"

#include "platform/modules.h"

namespace {

template <typename Function>
Function PrintFunction(const char* name) {
  return reinterpret_cast<Function>(ModuleFunction("zorbit_print", name));
}

}  // namespace

PrintOutcome PrintPages(const PrintRequest& request, const DrawPages& paint, const AskPrinter& ask) {
  using Print = PrintOutcome (*)(const PrintRequest&, const DrawPages&, const AskPrinter&);
  const auto print = PrintFunction<Print>("ZorbitPrintPages");
  return print != nullptr ? print(request, paint, ask) : PrintOutcome::Failed;
}

bool PreviewPages(const PrintRequest& request, const DrawPages& paint, QSize size) {
  using Preview = void (*)(const PrintRequest&, const DrawPages&, QSize);
  const auto preview = PrintFunction<Preview>("ZorbitPreviewPages");
  if (preview == nullptr) return false;
  preview(request, paint, size);
  return true;
}

bool PrintPagesToPdf(const QString& path, const DrawPages& paint) {
  using Pdf = void (*)(const QString&, const DrawPages&, bool*);
  const auto pdf = PrintFunction<Pdf>("ZorbitPrintPdf");
  bool drawn = false;
  if (pdf != nullptr) pdf(path, paint, &drawn);
  return drawn;
}
