#include "Serialization/JsonSerializer.h"

#include "Containers/StringConv.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <string>

namespace
{
	// Fields keep the order they were set in, as the engine's object map iterates.
	using FOrderedJson = nlohmann::ordered_json;

	std::string ToUtf8(const FString& Text)
	{
		const FTCHARToUTF8 Converted(*Text, Text.Len());
		return std::string(Converted.Get(), Converted.Length());
	}

	FOrderedJson ToJson(const TSharedPtr<FJsonValue>& Value);

	FOrderedJson ObjectToJson(const FJsonObject& Object)
	{
		FOrderedJson Out = FOrderedJson::object();
		for (const TPair<FString, TSharedPtr<FJsonValue>>& Field : Object.Values)
		{
			Out[ToUtf8(Field.Key)] = ToJson(Field.Value);
		}
		return Out;
	}

	FOrderedJson ArrayToJson(const TArray<TSharedPtr<FJsonValue>>& Array)
	{
		FOrderedJson Out = FOrderedJson::array();
		for (const TSharedPtr<FJsonValue>& Item : Array)
		{
			Out.push_back(ToJson(Item));
		}
		return Out;
	}

	FOrderedJson ToJson(const TSharedPtr<FJsonValue>& Value)
	{
		if (!Value.IsValid())
		{
			return nullptr;
		}
		switch (Value->Type)
		{
			case EJson::String:
			{
				FString Text;
				Value->TryGetString(Text);
				return ToUtf8(Text);
			}
			case EJson::Number:
			{
				double Number = 0.0;
				Value->TryGetNumber(Number);
				// Whole numbers print without a fraction, as the engine's "%.17g" does.
				if (std::isfinite(Number) && std::trunc(Number) == Number && std::fabs(Number) < 9.0e15)
				{
					return static_cast<int64_t>(Number);
				}
				return Number;
			}
			case EJson::Boolean:
			{
				bool bFlag = false;
				Value->TryGetBool(bFlag);
				return bFlag;
			}
			case EJson::Array:
			{
				const TArray<TSharedPtr<FJsonValue>>* Array = nullptr;
				Value->TryGetArray(Array);
				return ArrayToJson(*Array);
			}
			case EJson::Object:
			{
				const TSharedPtr<FJsonObject>* Object = nullptr;
				Value->TryGetObject(Object);
				return Object->IsValid() ? ObjectToJson(**Object) : FOrderedJson(nullptr);
			}
			default:
				return nullptr;
		}
	}

	FString Dump(const FOrderedJson& Json, bool bPretty)
	{
		// Invalid UTF-16 (a lone surrogate) becomes U+FFFD rather than failing the whole text.
		const std::string Text = bPretty
			? Json.dump(1, '\t', false, FOrderedJson::error_handler_t::replace)
			: Json.dump(-1, ' ', false, FOrderedJson::error_handler_t::replace);
		const FUTF8ToTCHAR Converted(Text.c_str(), static_cast<int32>(Text.size()));
		return FString(Converted.Length(), Converted.Get());
	}
}

FString FJsonSerializer::ObjectToText(const FJsonObject& Object, bool bPretty)
{
	return Dump(ObjectToJson(Object), bPretty);
}

FString FJsonSerializer::ArrayToText(const TArray<TSharedPtr<FJsonValue>>& Array, bool bPretty)
{
	return Dump(ArrayToJson(Array), bPretty);
}
