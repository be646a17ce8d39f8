// SPDX-License-Identifier: MIT
#include "calc/copy_text.h"

#include <gtest/gtest.h>

namespace {

TEST(StoredCopyText, CartesianLineThenPolarLineAsTheColumnsShowThem) {
  struct Case {
    Cplx Z;
    const char* Text;
  };
  const Case cases[] = {
      {MakeCplx(3, 4), "3+4i\n5 , 53.1\u00B0"},
      {MakeCplx(3, -4), "3-4i\n5 , -53.1\u00B0"},
      {MakeCplx(-1, 0), "-1+0i\n1 , 180\u00B0"},
      {MakeCplx(0.125, 2.5), "0.13+2.5i\n2.5 , 87.1\u00B0"},
      {MakePolarCplx(2, 400), "1.53+1.29i\n2 , 400\u00B0"},  // the argument as stored, not reduced
      {MakeCplx(0, 0), "0+0i\n0 , 0\u00B0"},
  };
  for (const Case& c : cases) EXPECT_EQ(StoredCopyText(c.Z), c.Text);
}

}  // namespace
