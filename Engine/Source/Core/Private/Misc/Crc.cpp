// CRC-32 with the IEEE polynomial.

#include "Misc/Crc.h"

namespace
{
	struct FCrcTable
	{
		uint32 Entries[256];

		FCrcTable()
		{
			for (uint32 Index = 0; Index < 256; ++Index)
			{
				uint32 Value = Index;
				for (int32 Bit = 0; Bit < 8; ++Bit)
				{
					Value = (Value & 1) ? (0xEDB88320u ^ (Value >> 1)) : (Value >> 1);
				}
				Entries[Index] = Value;
			}
		}
	};
}

uint32 FCrc::MemCrc32(const void* InData, int32 Length, uint32 CRC)
{
	static const FCrcTable Table;
	const uint8* Data = (const uint8*)InData;
	CRC = ~CRC;
	for (int32 Index = 0; Index < Length; ++Index)
	{
		CRC = (CRC >> 8) ^ Table.Entries[(CRC ^ Data[Index]) & 0xFF];
	}
	return ~CRC;
}
