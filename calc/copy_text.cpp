// SPDX-License-Identifier: MIT
#include "calc/copy_text.h"

#include "text/complex_text.h"

std::string StoredCopyText(const Cplx& z) { return CartText(z, 2) + '\n' + PolarText(z, 2); }
