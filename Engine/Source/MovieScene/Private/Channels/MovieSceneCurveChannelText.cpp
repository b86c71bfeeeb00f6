// The text form of the curve channels: what asset files hold, written exactly and read leniently.

#include "Channels/MovieSceneCurveChannelImpl.h"

#include "Channels/MovieSceneChannelProxy.h"
#include "Channels/MovieSceneDoubleChannel.h"
#include "Channels/MovieSceneFloatChannel.h"
#include "MovieSceneLog.h"
#include "MovieSceneSection.h"
#include "Templates/Casts.h"
#include "UObject/Class.h"

#include <algorithm>
#include <charconv>
#include <numeric>
#include <string>
#include <vector>

// The text form of a curve channel, as its reflected fields would print, with key times as plain tick numbers
// and numbers in their shortest form that reads back to the same bits:
//   (Times=(0,960),Values=((Value=1.5,Tangent=(ArriveTangent=0.25,LeaveTangent=0.25)),(Value=2,InterpMode=RCIM_Linear)),
//    DefaultValue=0,bHasDefaultValue=True,PreInfinityExtrap=RCCE_Linear,PostInfinityExtrap=RCCE_Linear)
// Fields equal to their defaults are left out.

namespace
{
	template<typename NumberType>
	std::string FormatNumber(NumberType Value)
	{
		char Buffer[64];
		const std::to_chars_result Result = std::to_chars(Buffer, Buffer + sizeof(Buffer), Value);
		return std::string(Buffer, Result.ptr);
	}

	template<typename EnumType>
	std::string EnumName(EnumType Value)
	{
		return std::string(TCHAR_TO_UTF8(*StaticEnum<EnumType>()->GetNameStringByValue((int64)Value)));
	}

	/** Reads the text form from a cursor; the first failure is kept with the offset where it happened. */
	class FChannelTextReader
	{
	public:
		explicit FChannelTextReader(std::string InText)
			: Text(MoveTemp(InText))
		{
		}

		bool Failed() const
		{
			return !Error.empty();
		}

		const std::string& GetError() const
		{
			return Error;
		}

		bool Fail(const std::string& Message)
		{
			if (Error.empty())
			{
				Error = Message + " at character " + std::to_string(Position + 1);
			}
			return false;
		}

		void SkipSpace()
		{
			while (Position < Text.size() && (Text[Position] == ' ' || Text[Position] == '\t' || Text[Position] == '\r' || Text[Position] == '\n'))
			{
				++Position;
			}
		}

		bool Peek(char Char)
		{
			SkipSpace();
			return Position < Text.size() && Text[Position] == Char;
		}

		bool Consume(char Char)
		{
			if (Peek(Char))
			{
				++Position;
				return true;
			}
			return false;
		}

		bool Expect(char Char)
		{
			if (Consume(Char))
			{
				return true;
			}
			return Fail(Position >= Text.size() ? std::string("the text ends where '") + Char + "' was expected" : std::string("expected '") + Char + "'");
		}

		/** A bare token: everything up to the next delimiter. */
		std::string Token()
		{
			SkipSpace();
			const size_t Start = Position;
			while (Position < Text.size() && Text[Position] != ',' && Text[Position] != ')' && Text[Position] != '(' && Text[Position] != '=' && Text[Position] != ' ' && Text[Position] != '\t')
			{
				++Position;
			}
			return Text.substr(Start, Position - Start);
		}

		template<typename NumberType>
		bool Number(NumberType& OutValue, const char* What)
		{
			const std::string Word = Token();
			if (Word.empty())
			{
				return Fail(std::string("expected ") + What);
			}
			// from_chars takes no leading '+'; the engine's text form may carry one.
			const char* First = Word.data() + (Word[0] == '+' ? 1 : 0);
			const char* Last = Word.data() + Word.size();
			const std::from_chars_result Result = std::from_chars(First, Last, OutValue);
			if (Result.ec != std::errc() || Result.ptr != Last)
			{
				return Fail(std::string("'") + Word + "' is not " + What);
			}
			return true;
		}

		bool Bool(bool& OutValue)
		{
			const FString Word = UTF8_TO_TCHAR(Token().c_str());
			if (Word.Equals(TEXT("True"), ESearchCase::IgnoreCase))
			{
				OutValue = true;
				return true;
			}
			if (Word.Equals(TEXT("False"), ESearchCase::IgnoreCase))
			{
				OutValue = false;
				return true;
			}
			return Fail(std::string("'") + TCHAR_TO_UTF8(*Word) + "' is not True or False");
		}

		template<typename EnumType>
		bool Enum(TEnumAsByte<EnumType>& OutValue)
		{
			const std::string Word = Token();
			const int64 Value = StaticEnum<EnumType>()->GetValueByNameString(FString(UTF8_TO_TCHAR(Word.c_str())));
			if (Word.empty() || Value == INDEX_NONE)
			{
				return Fail(std::string("'") + Word + "' is not a " + TCHAR_TO_UTF8(*StaticEnum<EnumType>()->GetName()));
			}
			OutValue = (EnumType)Value;
			return true;
		}

		/** A field name followed by '='. */
		bool FieldName(std::string& OutName)
		{
			OutName = Token();
			if (OutName.empty())
			{
				return Fail("expected a field name");
			}
			return Expect('=');
		}

		/** Skips one value of any form (a token or a parenthesised group). */
		bool SkipValue()
		{
			if (Peek('('))
			{
				int32 Depth = 0;
				while (Position < Text.size())
				{
					const char Char = Text[Position++];
					// clang-format off
					Depth += Char == '(' ? 1 : Char == ')' ? -1 : 0;
					// clang-format on
					if (Depth == 0)
					{
						return true;
					}
				}
				return Fail("the text ends inside a group");
			}
			Token();
			return true;
		}

		/** After a field or element: true while another follows, false at the closing ')' (or on failure). */
		bool NextInGroup()
		{
			if (Failed())
			{
				return false;
			}
			if (Consume(','))
			{
				return true;
			}
			Expect(')');
			return false;
		}

	private:
		std::string Text;
		size_t Position = 0;
		std::string Error;
	};

	/** Reads one key's value record into OutValue; false when it is malformed. */
	template<typename ValueType>
	bool ReadValue(FChannelTextReader& Reader, ValueType& OutValue, std::vector<std::string>& OutUnknownFields)
	{
		if (!Reader.Expect('('))
		{
			return false;
		}
		if (Reader.Consume(')'))
		{
			return true;
		}
		do
		{
			std::string Name;
			if (!Reader.FieldName(Name))
			{
				return false;
			}
			bool bRead = true;
			if (Name == "Value")
			{
				bRead = Reader.Number(OutValue.Value, "a number");
			}
			else if (Name == "InterpMode")
			{
				bRead = Reader.Enum(OutValue.InterpMode);
			}
			else if (Name == "TangentMode")
			{
				bRead = Reader.Enum(OutValue.TangentMode);
			}
			else if (Name == "Tangent")
			{
				FMovieSceneTangentData& Tangent = OutValue.Tangent;
				bRead = Reader.Expect('(');
				if (bRead && !Reader.Consume(')'))
				{
					do
					{
						std::string TangentField;
						if (!Reader.FieldName(TangentField))
						{
							return false;
						}
						if (TangentField == "ArriveTangent")
						{
							bRead = Reader.Number(Tangent.ArriveTangent, "a number");
						}
						else if (TangentField == "LeaveTangent")
						{
							bRead = Reader.Number(Tangent.LeaveTangent, "a number");
						}
						else if (TangentField == "ArriveTangentWeight")
						{
							bRead = Reader.Number(Tangent.ArriveTangentWeight, "a number");
						}
						else if (TangentField == "LeaveTangentWeight")
						{
							bRead = Reader.Number(Tangent.LeaveTangentWeight, "a number");
						}
						else if (TangentField == "TangentWeightMode")
						{
							bRead = Reader.Enum(Tangent.TangentWeightMode);
						}
						else
						{
							OutUnknownFields.push_back("Tangent." + TangentField);
							bRead = Reader.SkipValue();
						}
					} while (bRead && Reader.NextInGroup());
				}
			}
			else
			{
				OutUnknownFields.push_back(Name);
				bRead = Reader.SkipValue();
			}
			if (!bRead)
			{
				return false;
			}
		} while (Reader.NextInGroup());
		return !Reader.Failed();
	}

	template<typename ValueType>
	void WriteValue(std::string& Out, const ValueType& Value)
	{
		const ValueType Defaults;
		Out += "(Value=" + FormatNumber(Value.Value);
		if (Value.Tangent != Defaults.Tangent)
		{
			const FMovieSceneTangentData& Tangent = Value.Tangent;
			std::string Fields;
			auto AddField = [&Fields](const char* Name, const std::string& Text) {
				Fields += (Fields.empty() ? "" : ",") + std::string(Name) + "=" + Text;
			};
			if (Tangent.ArriveTangent != Defaults.Tangent.ArriveTangent)
			{
				AddField("ArriveTangent", FormatNumber(Tangent.ArriveTangent));
			}
			if (Tangent.LeaveTangent != Defaults.Tangent.LeaveTangent)
			{
				AddField("LeaveTangent", FormatNumber(Tangent.LeaveTangent));
			}
			if (Tangent.ArriveTangentWeight != Defaults.Tangent.ArriveTangentWeight)
			{
				AddField("ArriveTangentWeight", FormatNumber(Tangent.ArriveTangentWeight));
			}
			if (Tangent.LeaveTangentWeight != Defaults.Tangent.LeaveTangentWeight)
			{
				AddField("LeaveTangentWeight", FormatNumber(Tangent.LeaveTangentWeight));
			}
			if (Tangent.TangentWeightMode != Defaults.Tangent.TangentWeightMode)
			{
				AddField("TangentWeightMode", EnumName(Tangent.TangentWeightMode.GetValue()));
			}
			Out += ",Tangent=(" + Fields + ")";
		}
		if (Value.InterpMode != Defaults.InterpMode)
		{
			Out += ",InterpMode=" + EnumName(Value.InterpMode.GetValue());
		}
		if (Value.TangentMode != Defaults.TangentMode)
		{
			Out += ",TangentMode=" + EnumName(Value.TangentMode.GetValue());
		}
		Out += ")";
	}

	/** "<section path>, channel Location.X" when the channel belongs to a section, else the owner's path. */
	FString DescribeChannel(const FMovieSceneChannel* Channel, UObject* OwnerObject)
	{
		if (OwnerObject == nullptr)
		{
			return TEXT("A channel");
		}
		if (const UMovieSceneSection* Section = Cast<UMovieSceneSection>(OwnerObject))
		{
			for (const FMovieSceneChannelEntry& Entry : Section->GetChannelProxy().GetAllEntries())
			{
				const TArrayView<FMovieSceneChannel* const> Channels = Entry.GetChannels();
				const TArrayView<const FMovieSceneChannelMetaData> MetaData = Entry.GetMetaData();
				for (int32 Index = 0; Index < Channels.Num(); ++Index)
				{
					if (Channels[Index] == Channel && MetaData.IsValidIndex(Index))
					{
						return FString::Printf(TEXT("%s, channel %s"), *OwnerObject->GetPathName(), *MetaData[Index].Name.ToString());
					}
				}
			}
		}
		return OwnerObject->GetPathName();
	}

	/** Where the item that starts at Buffer ends: after its matching ')', or at the end of the text when it has none. */
	const TCHAR* FindItemEnd(const TCHAR* Buffer)
	{
		const TCHAR* Cursor = Buffer;
		while (*Cursor == TEXT(' ') || *Cursor == TEXT('\t'))
		{
			++Cursor;
		}
		if (*Cursor != TEXT('('))
		{
			while (*Cursor && *Cursor != TEXT(',') && *Cursor != TEXT(')'))
			{
				++Cursor;
			}
			return Cursor;
		}
		int32 Depth = 0;
		for (; *Cursor; ++Cursor)
		{
			// clang-format off
			Depth += *Cursor == TEXT('(') ? 1 : *Cursor == TEXT(')') ? -1 : 0;
			// clang-format on
			if (Depth == 0)
			{
				return Cursor + 1;
			}
		}
		return Cursor;
	}
}

template<typename ChannelType>
bool TMovieSceneCurveChannelImpl<ChannelType>::ExportTextItem(const ChannelType* InChannel, FString& ValueStr)
{
	const ChannelType Defaults;
	std::string Out;
	auto AddField = [&Out](const char* Name, const std::string& Text) {
		Out += (Out.empty() ? "" : ",") + std::string(Name) + "=" + Text;
	};
	if (InChannel->Times.Num() > 0)
	{
		std::string Times;
		std::string Values;
		Times.reserve(InChannel->Times.Num() * 8);
		Values.reserve(InChannel->Values.Num() * 24);
		for (int32 Index = 0; Index < InChannel->Times.Num(); ++Index)
		{
			Times += (Index ? "," : "") + std::to_string(InChannel->Times[Index].Value);
			if (Index)
			{
				Values += ",";
			}
			WriteValue(Values, InChannel->Values[Index]);
		}
		AddField("Times", "(" + Times + ")");
		AddField("Values", "(" + Values + ")");
	}
	if (InChannel->DefaultValue != Defaults.DefaultValue)
	{
		AddField("DefaultValue", FormatNumber(InChannel->DefaultValue));
	}
	if (InChannel->bHasDefaultValue != Defaults.bHasDefaultValue)
	{
		AddField("bHasDefaultValue", InChannel->bHasDefaultValue ? "True" : "False");
	}
	if (InChannel->PreInfinityExtrap != Defaults.PreInfinityExtrap)
	{
		AddField("PreInfinityExtrap", EnumName(InChannel->PreInfinityExtrap.GetValue()));
	}
	if (InChannel->PostInfinityExtrap != Defaults.PostInfinityExtrap)
	{
		AddField("PostInfinityExtrap", EnumName(InChannel->PostInfinityExtrap.GetValue()));
	}
	ValueStr += UTF8_TO_TCHAR(("(" + Out + ")").c_str());
	return true;
}

template<typename ChannelType>
bool TMovieSceneCurveChannelImpl<ChannelType>::ImportTextItem(ChannelType* InChannel, const TCHAR*& Buffer, UObject* OwnerObject, FOutputDevice* ErrorText)
{
	const TCHAR* const End = FindItemEnd(Buffer);
	std::string Text;
	Text.reserve(End - Buffer);
	for (const TCHAR* Cursor = Buffer; Cursor != End; ++Cursor)
	{
		// The form is ASCII; anything else is malformed and reads as '?'.
		Text += uint32(*Cursor) < 128 ? char(*Cursor) : '?';
	}
	Buffer = End;

	ChannelType Read;
	std::vector<std::string> Problems;
	std::vector<std::string> UnknownFields;
	FChannelTextReader Reader(MoveTemp(Text));
	TArray<FFrameNumber> Times;
	TArray<ChannelValueType> Values;
	if (Reader.Expect('(') && !Reader.Consume(')'))
	{
		do
		{
			std::string Name;
			if (!Reader.FieldName(Name))
			{
				break;
			}
			if (Name == "Times")
			{
				if (Reader.Expect('(') && !Reader.Consume(')'))
				{
					do
					{
						int32 Time = 0;
						if (!Reader.Number(Time, "a key time"))
						{
							break;
						}
						Times.Add(FFrameNumber(Time));
					} while (Reader.NextInGroup());
				}
			}
			else if (Name == "Values")
			{
				if (Reader.Expect('(') && !Reader.Consume(')'))
				{
					do
					{
						ChannelValueType Value;
						if (!ReadValue(Reader, Value, UnknownFields))
						{
							break;
						}
						Values.Add(Value);
					} while (Reader.NextInGroup());
				}
			}
			else if (Name == "DefaultValue")
			{
				Reader.Number(Read.DefaultValue, "a number");
			}
			else if (Name == "bHasDefaultValue")
			{
				Reader.Bool(Read.bHasDefaultValue);
			}
			else if (Name == "PreInfinityExtrap")
			{
				Reader.Enum(Read.PreInfinityExtrap);
			}
			else if (Name == "PostInfinityExtrap")
			{
				Reader.Enum(Read.PostInfinityExtrap);
			}
			else
			{
				UnknownFields.push_back(Name);
				Reader.SkipValue();
			}
		} while (!Reader.Failed() && Reader.NextInGroup());
	}
	if (Reader.Failed())
	{
		Problems.push_back("malformed: " + Reader.GetError() + "; what came before it is kept");
	}
	for (const std::string& Field : UnknownFields)
	{
		Problems.push_back("unknown field '" + Field + "' ignored");
	}
	if (Times.Num() != Values.Num())
	{
		const int32 Kept = FMath::Min(Times.Num(), Values.Num());
		Problems.push_back(std::to_string(Times.Num()) + " key times but " + std::to_string(Values.Num()) + " values; the first " + std::to_string(Kept) + " keys are kept");
		Times.SetNum(Kept);
		Values.SetNum(Kept);
	}
	for (int32 Index = 1; Index < Times.Num(); ++Index)
	{
		if (Times[Index] < Times[Index - 1])
		{
			Problems.push_back("key " + std::to_string(Index) + " (time " + std::to_string(Times[Index].Value) + ") comes before the key ahead of it (time " + std::to_string(Times[Index - 1].Value) + "); the keys are sorted by time");
			std::vector<int32> Order(Times.Num());
			std::iota(Order.begin(), Order.end(), 0);
			std::stable_sort(Order.begin(), Order.end(), [&Times](int32 A, int32 B) { return Times[A] < Times[B]; });
			TArray<FFrameNumber> SortedTimes;
			TArray<ChannelValueType> SortedValues;
			for (const int32 From : Order)
			{
				SortedTimes.Add(Times[From]);
				SortedValues.Add(Values[From]);
			}
			Times = MoveTemp(SortedTimes);
			Values = MoveTemp(SortedValues);
			break;
		}
	}

	InChannel->Times = MoveTemp(Times);
	InChannel->Values = MoveTemp(Values);
	InChannel->DefaultValue = Read.DefaultValue;
	InChannel->bHasDefaultValue = Read.bHasDefaultValue;
	InChannel->PreInfinityExtrap = Read.PreInfinityExtrap;
	InChannel->PostInfinityExtrap = Read.PostInfinityExtrap;
	InChannel->KeyHandles.Reset();

	if (!Problems.empty())
	{
		std::string Joined;
		for (const std::string& Problem : Problems)
		{
			Joined += (Joined.empty() ? "" : "; ") + Problem;
		}
		UE_LOG(LogMovieScene, Warning, TEXT("%s: %s (%d keys loaded)"), *DescribeChannel(InChannel, OwnerObject), UTF8_TO_TCHAR(Joined.c_str()), InChannel->Times.Num());
	}
	// What could not be read was reported above; the channel keeps what could, so the rest of the asset loads.
	return true;
}

// The rest of the implementation is instantiated with the class in MovieSceneCurveChannelImpl.cpp.
template bool TMovieSceneCurveChannelImpl<FMovieSceneDoubleChannel>::ExportTextItem(const FMovieSceneDoubleChannel*, FString&);
template bool TMovieSceneCurveChannelImpl<FMovieSceneDoubleChannel>::ImportTextItem(FMovieSceneDoubleChannel*, const TCHAR*&, UObject*, FOutputDevice*);
template bool TMovieSceneCurveChannelImpl<FMovieSceneFloatChannel>::ExportTextItem(const FMovieSceneFloatChannel*, FString&);
template bool TMovieSceneCurveChannelImpl<FMovieSceneFloatChannel>::ImportTextItem(FMovieSceneFloatChannel*, const TCHAR*&, UObject*, FOutputDevice*);
