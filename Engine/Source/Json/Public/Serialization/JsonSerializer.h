// Writes JSON objects as text, after the engine's Serialization/JsonSerializer.h.
#pragma once

#include "CoreMinimal.h"
#include "Dom/JsonObject.h"
#include "Serialization/JsonWriter.h"
#include "Templates/SharedPointer.h"

class JSON_API FJsonSerializer
{
public:
	template<class CharType, class PrintPolicy>
	static bool Serialize(const TSharedRef<FJsonObject>& Object, const TSharedRef<TJsonWriter<CharType, PrintPolicy>>& Writer, bool bCloseWriter = true)
	{
		Writer->WriteSerializedText(ObjectToText(*Object, PrintPolicy::bPretty));
		return bCloseWriter ? Writer->Close() : true;
	}

	template<class CharType, class PrintPolicy>
	static bool Serialize(const TArray<TSharedPtr<FJsonValue>>& Array, const TSharedRef<TJsonWriter<CharType, PrintPolicy>>& Writer, bool bCloseWriter = true)
	{
		Writer->WriteSerializedText(ArrayToText(Array, PrintPolicy::bPretty));
		return bCloseWriter ? Writer->Close() : true;
	}

private:
	static FString ObjectToText(const FJsonObject& Object, bool bPretty);
	static FString ArrayToText(const TArray<TSharedPtr<FJsonValue>>& Array, bool bPretty);
};
