#!/usr/bin/env python3
"""A TCP relay that holds every chunk a fixed time in each direction, as a slow network would.

relay.py LISTEN_ADDRESS LISTEN_PORT TARGET_ADDRESS TARGET_PORT DELAY_MS
"""

import asyncio
import sys


async def carry(reader, writer, delay):
    # Chunks keep their order: each leaves delay after it came, through one queue.
    queue = asyncio.Queue()
    loop = asyncio.get_running_loop()

    async def send():
        while True:
            due, chunk = await queue.get()
            wait = due - loop.time()
            if wait > 0:
                await asyncio.sleep(wait)
            if not chunk:
                break
            writer.write(chunk)
            await writer.drain()
        if writer.can_write_eof():
            writer.write_eof()

    sender = asyncio.create_task(send())
    try:
        while True:
            chunk = await reader.read(65536)
            queue.put_nowait((loop.time() + delay, chunk))
            if not chunk:
                break
        await sender
    except (ConnectionError, asyncio.CancelledError):
        sender.cancel()
    finally:
        writer.close()


async def main():
    listen_address, listen_port, target_address, target_port, delay_ms = sys.argv[1:6]
    delay = int(delay_ms) / 1000.0

    async def connection(client_reader, client_writer):
        try:
            server_reader, server_writer = await asyncio.open_connection(target_address, int(target_port))
        except OSError as error:
            print(f"relay: cannot reach {target_address}:{target_port}: {error}", flush=True)
            client_writer.close()
            return
        await asyncio.gather(
            carry(client_reader, server_writer, delay),
            carry(server_reader, client_writer, delay),
            return_exceptions=True,
        )

    server = await asyncio.start_server(connection, listen_address, int(listen_port))
    print(f"relay: {listen_address}:{listen_port} to {target_address}:{target_port}, {delay_ms} ms", flush=True)
    async with server:
        await server.serve_forever()


asyncio.run(main())
