// The Json module: objects keep the order their fields were set in, strings are escaped as JSON requires, and the
// print policies choose one line or an indented text.

#include "Dom/JsonObject.h"
#include "Dom/JsonValue.h"
#include "Policies/CondensedJsonPrintPolicy.h"
#include "Serialization/JsonSerializer.h"
#include "Serialization/JsonWriter.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace
{
	FString Condensed(const TSharedRef<FJsonObject>& Object)
	{
		FString Text;
		const TSharedRef<TJsonWriter<TCHAR, TCondensedJsonPrintPolicy<TCHAR>>> Writer = TJsonWriterFactory<TCHAR, TCondensedJsonPrintPolicy<TCHAR>>::Create(&Text);
		EXPECT_TRUE(FJsonSerializer::Serialize(Object, Writer));
		return Text;
	}
}

TEST(JsonTest, FieldsKeepTheirOrderAndANameSetAgainReplacesTheValueInPlace)
{
	const TSharedRef<FJsonObject> Object = MakeShared<FJsonObject>();
	Object->SetStringField(TEXT("zeta"), TEXT("last"));
	Object->SetNumberField(TEXT("alpha"), 3);
	Object->SetBoolField(TEXT("Mid"), true);
	Object->SetNumberField(TEXT("alpha"), 2.5);
	EXPECT_TRUE(Object->HasField(TEXT("Alpha")));
	EXPECT_EQ(Condensed(Object), TEXT("{\"zeta\":\"last\",\"alpha\":2.5,\"Mid\":true}"));
}

TEST(JsonTest, StringsAreEscapedSoAnyTextSurvivesARoundTrip)
{
	const FString Awkward = FString(TEXT("Say \"cut\" \\ take 2\n\tnext")) + TCHAR(0x01) + TEXT(" Jörg 🎬 </script>");
	const TSharedRef<FJsonObject> Object = MakeShared<FJsonObject>();
	Object->SetStringField(TEXT("line"), Awkward);
	const FString Text = Condensed(Object);
	EXPECT_TRUE(Text.StartsWith(TEXT("{\"line\":\"Say \\\"cut\\\" \\\\ take 2\\n\\tnext\\u0001 Jörg")));
	const nlohmann::json Parsed = nlohmann::json::parse(std::string(TCHAR_TO_UTF8(*Text)));
	EXPECT_EQ(Parsed["line"], std::string(TCHAR_TO_UTF8(*Awkward)));
}

TEST(JsonTest, NestedValuesAndBothPrintPolicies)
{
	const TSharedRef<FJsonObject> Inner = MakeShared<FJsonObject>();
	Inner->SetNumberField(TEXT("count"), 24);
	TArray<TSharedPtr<FJsonValue>> Items;
	Items.Add(MakeShared<FJsonValueObject>(Inner));
	Items.Add(MakeShared<FJsonValueString>(TEXT("x")));
	Items.Add(MakeShared<FJsonValueNull>());
	const TSharedRef<FJsonObject> Object = MakeShared<FJsonObject>();
	Object->SetArrayField(TEXT("items"), Items);
	Object->SetArrayField(TEXT("none"), {});
	Object->SetObjectField(TEXT("missing"), nullptr);
	EXPECT_EQ(Condensed(Object), TEXT("{\"items\":[{\"count\":24},\"x\",null],\"none\":[],\"missing\":null}"));

	FString Pretty;
	FJsonSerializer::Serialize(Inner, TJsonWriterFactory<>::Create(&Pretty));
	EXPECT_EQ(Pretty, TEXT("{\n\t\"count\": 24\n}"));
}
