// A JSON object, after the engine's Dom/JsonObject.h: named values in the order they were first set.
#pragma once

#include "CoreMinimal.h"
#include "Dom/JsonValue.h"
#include "Templates/SharedPointer.h"

class JSON_API FJsonObject
{
public:
	/** Field names compare as FString keys do, without regard to case. */
	TMap<FString, TSharedPtr<FJsonValue>> Values;

	void SetField(const FString& FieldName, const TSharedPtr<FJsonValue>& Value);
	bool HasField(const FString& FieldName) const;

	void SetStringField(const FString& FieldName, const FString& StringValue);
	void SetNumberField(const FString& FieldName, double Number);
	void SetBoolField(const FString& FieldName, bool InValue);
	void SetArrayField(const FString& FieldName, const TArray<TSharedPtr<FJsonValue>>& Array);
	void SetObjectField(const FString& FieldName, const TSharedPtr<FJsonObject>& JsonObject);
};
