#include "ui/results/RowOrder.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <numeric>
#include <optional>
#include <string_view>
#include <tuple>

namespace folidex {
namespace {

// A cell's value for comparing: numbers first, ordered by value, then texts.
using SortKey = std::tuple<bool /*not a number*/, long long, std::string>;

std::optional<long long> ParseNumber(std::string_view text) {
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

SortKey NumberKey(std::string_view text) {
  if (const std::optional<long long> number = ParseNumber(text)) return {false, *number, {}};
  return {true, 0, std::string(text)};
}

std::string WithoutGrouping(std::string_view text) {
  std::string digits;
  for (char c : text)
    if (c != ',') digits += c;
  return digits;
}

std::string Lowered(std::string_view text) {
  std::string lowered(text);
  for (char& c : lowered) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lowered;
}

// "MM/dd/yyyy hh:mm AM" as one number yyyyMMddHHmm on the 24-hour clock.
SortKey DateKey(std::string_view text) {
  int month = 0, day = 0, year = 0, hour = 0, minute = 0;
  char meridiem[3] = {};
  const std::string copy(text);
  if (std::sscanf(copy.c_str(), "%2d/%2d/%4d %2d:%2d %2s", &month, &day, &year, &hour, &minute, meridiem) != 6)
    return {true, 0, copy};
  const bool afternoon = (meridiem[0] == 'P' || meridiem[0] == 'p');
  const int hour24 = hour % 12 + (afternoon ? 12 : 0);
  const long long stamp = ((((static_cast<long long>(year) * 100 + month) * 100 + day) * 100 + hour24) * 100) + minute;
  return {false, stamp, {}};
}

SortKey KeyOf(const ResultTable& table, int row, int column) {
  switch (column) {
    case kSize:
      return NumberKey(WithoutGrouping(table.Text(row, kSizeKey)));
    case kModifiedDate:
      return DateKey(table.Text(row, column));
    case kPages:
      return NumberKey(table.Text(row, column));
    default:
      return {true, 0, Lowered(table.Text(row, column))};
  }
}

}  // namespace

std::vector<int> SortedRowOrder(const ResultTable& table, int column, bool ascending) {
  const int dataRows = table.RowCount() - 1;
  std::vector<SortKey> keys(static_cast<std::size_t>(dataRows));
  for (int row = 1; row <= dataRows; ++row) keys[static_cast<std::size_t>(row - 1)] = KeyOf(table, row, column);

  std::vector<int> order(static_cast<std::size_t>(dataRows));
  std::iota(order.begin(), order.end(), 1);
  const auto key = [&keys](int row) -> const SortKey& { return keys[static_cast<std::size_t>(row - 1)]; };
  std::stable_sort(order.begin(), order.end(),
                   [&](int a, int b) { return ascending ? key(a) < key(b) : key(b) < key(a); });
  return order;
}

}  // namespace folidex
