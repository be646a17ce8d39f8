// SPDX-License-Identifier: MIT
#include "opener/opener.h"

int main(int argc, char** argv) { return OpenerMain(argc, argv); }
