#include "Dom/JsonObject.h"
#include "Dom/JsonValue.h"
#include "Modules/ModuleManager.h"

FJsonValueString::FJsonValueString(const FString& InString)
	: Value(InString)
{
	Type = EJson::String;
}

bool FJsonValueString::TryGetString(FString& OutString) const
{
	OutString = Value;
	return true;
}

FJsonValueNumber::FJsonValueNumber(double InNumber)
	: Value(InNumber)
{
	Type = EJson::Number;
}

bool FJsonValueNumber::TryGetNumber(double& OutNumber) const
{
	OutNumber = Value;
	return true;
}

FJsonValueBoolean::FJsonValueBoolean(bool InBool)
	: Value(InBool)
{
	Type = EJson::Boolean;
}

bool FJsonValueBoolean::TryGetBool(bool& OutBool) const
{
	OutBool = Value;
	return true;
}

FJsonValueArray::FJsonValueArray(const TArray<TSharedPtr<FJsonValue>>& InArray)
	: Value(InArray)
{
	Type = EJson::Array;
}

bool FJsonValueArray::TryGetArray(const TArray<TSharedPtr<FJsonValue>>*& OutArray) const
{
	OutArray = &Value;
	return true;
}

FJsonValueObject::FJsonValueObject(TSharedPtr<FJsonObject> InObject)
	: Value(InObject)
{
	Type = EJson::Object;
}

bool FJsonValueObject::TryGetObject(const TSharedPtr<FJsonObject>*& OutObject) const
{
	OutObject = &Value;
	return true;
}

FJsonValueNull::FJsonValueNull()
{
	Type = EJson::Null;
}

void FJsonObject::SetField(const FString& FieldName, const TSharedPtr<FJsonValue>& Value)
{
	Values.Add(FieldName, Value);
}

bool FJsonObject::HasField(const FString& FieldName) const
{
	return Values.Contains(FieldName);
}

void FJsonObject::SetStringField(const FString& FieldName, const FString& StringValue)
{
	SetField(FieldName, MakeShared<FJsonValueString>(StringValue));
}

void FJsonObject::SetNumberField(const FString& FieldName, double Number)
{
	SetField(FieldName, MakeShared<FJsonValueNumber>(Number));
}

void FJsonObject::SetBoolField(const FString& FieldName, bool InValue)
{
	SetField(FieldName, MakeShared<FJsonValueBoolean>(InValue));
}

void FJsonObject::SetArrayField(const FString& FieldName, const TArray<TSharedPtr<FJsonValue>>& Array)
{
	SetField(FieldName, MakeShared<FJsonValueArray>(Array));
}

void FJsonObject::SetObjectField(const FString& FieldName, const TSharedPtr<FJsonObject>& JsonObject)
{
	if (JsonObject.IsValid())
	{
		SetField(FieldName, MakeShared<FJsonValueObject>(JsonObject));
	}
	else
	{
		SetField(FieldName, MakeShared<FJsonValueNull>());
	}
}

IMPLEMENT_MODULE(FDefaultModuleImpl, Json);
