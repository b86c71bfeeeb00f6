// JSON values, after the engine's Dom/JsonValue.h.
#pragma once

#include "CoreMinimal.h"
#include "JsonGlobals.h"
#include "Templates/SharedPointer.h"

class FJsonObject;

/** A JSON value of one kind; each kind answers only the getter of its own kind. */
class JSON_API FJsonValue
{
public:
	virtual ~FJsonValue() = default;

	virtual bool TryGetString(FString& OutString) const { return false; }
	virtual bool TryGetNumber(double& OutNumber) const { return false; }
	virtual bool TryGetBool(bool& OutBool) const { return false; }
	virtual bool TryGetArray(const TArray<TSharedPtr<FJsonValue>>*& OutArray) const { return false; }
	virtual bool TryGetObject(const TSharedPtr<FJsonObject>*& OutObject) const { return false; }

	bool IsNull() const
	{
		return Type == EJson::Null || Type == EJson::None;
	}

	EJson Type = EJson::None;

protected:
	FJsonValue() = default;
};

class JSON_API FJsonValueString : public FJsonValue
{
public:
	explicit FJsonValueString(const FString& InString);
	virtual bool TryGetString(FString& OutString) const override;

protected:
	FString Value;
};

class JSON_API FJsonValueNumber : public FJsonValue
{
public:
	explicit FJsonValueNumber(double InNumber);
	virtual bool TryGetNumber(double& OutNumber) const override;

protected:
	double Value;
};

class JSON_API FJsonValueBoolean : public FJsonValue
{
public:
	explicit FJsonValueBoolean(bool InBool);
	virtual bool TryGetBool(bool& OutBool) const override;

protected:
	bool Value;
};

class JSON_API FJsonValueArray : public FJsonValue
{
public:
	explicit FJsonValueArray(const TArray<TSharedPtr<FJsonValue>>& InArray);
	virtual bool TryGetArray(const TArray<TSharedPtr<FJsonValue>>*& OutArray) const override;

protected:
	TArray<TSharedPtr<FJsonValue>> Value;
};

class JSON_API FJsonValueObject : public FJsonValue
{
public:
	explicit FJsonValueObject(TSharedPtr<FJsonObject> InObject);
	virtual bool TryGetObject(const TSharedPtr<FJsonObject>*& OutObject) const override;

protected:
	TSharedPtr<FJsonObject> Value;
};

class JSON_API FJsonValueNull : public FJsonValue
{
public:
	FJsonValueNull();
};
