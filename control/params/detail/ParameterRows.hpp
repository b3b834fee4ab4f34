#pragma once
// Builders for the rows of a group's parameter table.
#include <cstddef>

#include "control/params/CVXArchiveParameter.hpp"

// Offset and size of a record field, as the two middle arguments of a row builder.
#define VX_FIELD(Record, field) offsetof(Record, field), sizeof(Record::field)

namespace vx::detail {

constexpr ParameterSpec ulongRow(const char* key, std::size_t offset, std::size_t size, DWORD number) {
  return {ParameterKind::ULong, "", key, offset, size, number, nullptr, false};
}

constexpr ParameterSpec textRow(const char* key, std::size_t offset, std::size_t size, const char* text) {
  return {ParameterKind::String, "", key, offset, size, 0, text, false};
}

constexpr ParameterSpec passwordRow(const char* key, std::size_t offset, std::size_t size) {
  return {ParameterKind::String, "", key, offset, size, 0, "", true};
}

constexpr ParameterSpec cryptedRow(const char* key, std::size_t offset, std::size_t size, const char* text) {
  return {ParameterKind::StringCrypted, "", key, offset, size, 0, text, false};
}

constexpr ParameterSpec inSection(const char* section, ParameterSpec row) {
  row.section = section;
  return row;
}

}  // namespace vx::detail
