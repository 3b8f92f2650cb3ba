// The catalog's date-time value: encoding, decoding and conversion from file times.
#include "platform/DateTime.h"

#include <gtest/gtest.h>
#include <stdlib.h>

namespace kinshelf::platform {
namespace {

TEST(DateTimeTest, KnownDays) {
  EXPECT_DOUBLE_EQ(EncodeDateTime({1899, 12, 30}), 0.0);
  EXPECT_DOUBLE_EQ(EncodeDateTime({1970, 1, 1}), 25569.0);
  EXPECT_DOUBLE_EQ(EncodeDateTime({2001, 8, 30, 12, 0, 0, 0}), 37133.5);
  EXPECT_DOUBLE_EQ(EncodeDateTime({1899, 12, 29, 6, 0, 0, 0}), -1.25);
}

TEST(DateTimeTest, DecodeIsTheInverseOfEncode) {
  for (const DateTimeParts parts :
       {DateTimeParts{2010, 3, 5, 14, 7, 9, 0}, DateTimeParts{1600, 2, 29, 23, 59, 59, 0},
        DateTimeParts{1899, 12, 29, 6, 0, 0, 0}, DateTimeParts{9999, 12, 31, 0, 0, 1, 0}}) {
    const DateTimeParts back = DecodeDateTime(EncodeDateTime(parts));
    EXPECT_EQ(back.year, parts.year);
    EXPECT_EQ(back.month, parts.month);
    EXPECT_EQ(back.day, parts.day);
    EXPECT_EQ(back.hour, parts.hour);
    EXPECT_EQ(back.minute, parts.minute);
    EXPECT_EQ(back.second, parts.second);
  }
}

TEST(DateTimeTest, OutOfRangeValuesDecodeToTheEpoch) {
  EXPECT_EQ(DecodeDateTime(1e300).year, 1899);
  EXPECT_EQ(DecodeDateTime(-1e300).year, 1899);
}

TEST(DateTimeTest, UnixTimesAreShownInLocalTime) {
  setenv("TZ", "UTC", 1);
  tzset();
  EXPECT_DOUBLE_EQ(LocalDateTimeFromUnix(0, 0), 25569.0);
  setenv("TZ", "EST5", 1);
  tzset();
  EXPECT_DOUBLE_EQ(LocalDateTimeFromUnix(86400, 0), 25569.0 + 19.0 / 24.0);
  setenv("TZ", "UTC", 1);
  tzset();
}

}  // namespace
}  // namespace kinshelf::platform
