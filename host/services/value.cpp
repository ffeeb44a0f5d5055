#include "host/services/value.h"

namespace host {

DataType data_type_of(const Value& value) {
  static constexpr DataType kTypes[] = {
      DataType::Omitted, DataType::Byte, DataType::Short,    DataType::Int,  DataType::Int64,     DataType::Float,
      DataType::Double,  DataType::Bool, DataType::DateTime, DataType::Text, DataType::ByteArray, DataType::SubroutineAddress,
  };
  static_assert(std::size(kTypes) == std::variant_size_v<Value>);
  return kTypes[value.index()];
}

}  // namespace host
